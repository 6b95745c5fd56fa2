#include "Tabellen.h"

#include "TAAFile.h"
#include "TAAGGFile.h"
#include "TABilFile.h"
#include "TKONZFile.h"
#include "Tabkzfile.h"
#include "Tagrufile.h"
#include "Tfarbfile.h"
#include "Tgcplfile.h"
#include "Tggtyfile.h"
#include "Tgmerfile.h"
#include "Thgfile.h"
#include "Tinetfile.h"
#include "Tlstvfile.h"
#include "Tmandfile.h"
#include "Tmarkfile.h"
#include "Tnkfile.h"
#include "Tparmfile.h"
#include "Trabfile.h"
#include "Trechnerfile.h"
#include "Trmlfile.h"
#include "TStfile.h"
#include "Tacfgfile.h"
#include "Tatpafile.h"
#include "Tgpfile.h"
#include "TKOZZFile.h"
#include "Tksfile.h"
#include "Tlarfile.h"
#include "TLdfile.h"
#include "TLgfile.h"
#include "Tmalzfile.h"
#include "Tmwfile.h"
#include "Tsbfile.h"
#include "Tupdvfile.h"
#include "Tvkzfile.h"
#include "Tvrfile.h"
#include "Tvtypfile.h"
#include "Twefile.h"
#include "Twegzfile.h"
#include "Twgnfile.h"
#include "Twhfile.h"

// goods-group systems, price reductions, seasons, group formation, reasons
#include "TGepzFile.h"
#include "TGrndFile.h"
#include "TZPFile.h"
#include "Taufgfile.h"
#include "Tawgsfile.h"
#include "Tfbdefile.h"
#include "Tgbfile.h"
#include "Tguvfile.h"
#include "Tlartfile.h"
#include "Tmerfile.h"
#include "Tnbafile.h"
#include "Tskfile.h"
#include "Twgsfile.h"

namespace {
template <class... T>
QList<TTabellenDeklaration> Von() {
    return {T().Deklaration()...};
}
}  // namespace

namespace Tabellen {
QList<TTabellenDeklaration> Deklarationen() {
    // One entry per table class; a new table class is added here.
    return Von<Tfarbfile, Tmatfile, Tvrfile, Tbvrfile, Tgmerfile, TAAFile, Trechnerfile, Tmandfile, Tfilfile,
               TKONZFile, Tnkfile, Tgcplfile, Tvkzfile, Tdikzfile, Trmlfile, Tlstvfile, Thgfile, Twgnfile, Tsbfile,
               TStfile, Trabfile, Trabafile, Trablfile, Trabgfile, Tabkzfile, Tvtypfile, Tvprofile, Tggtyfile, TAAGGFile,
               TABilFile, Tagrufile, Tinetfile, Tmarkfile>() +
           Von<Twefile, Twegzfile, Tmwfile, TLgfile, TLdfile, Twhfile, Tmalzfile, Tksfile, TKOZZFile, Tgpfile, Tlarfile,
               Tatpafile>() +
           Von<Tparmfile, Tupdvfile>() +
           Von<Twgsfile, Tawgsfile, Tgbfile, Tmerfile, TZPFile, Tfbdefile, Tguvfile, TGepzFile, Tlartfile, Tnbafile,
               TGrndFile, Tskfile, Taufgfile>() + Von<Tacfgfile>();
}
}  // namespace Tabellen
