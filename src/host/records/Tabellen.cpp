#include "Tabellen.h"

#include "TAAFile.h"
#include "TKONZFile.h"
#include "Tfarbfile.h"
#include "Tgmerfile.h"
#include "Tmandfile.h"
#include "Trechnerfile.h"
#include "Tvrfile.h"

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
               TKONZFile>();
}
}  // namespace Tabellen
