#pragma once
// The task-edit server: questions about the tasks of the task management
// (Taufgfile) that other programs ask before they change what tasks refer to.

#include "common/TIntPair.h"

#include <QList>

class IQLN_AufgabenEditServer {
public:
    // Object kinds a question may be about.
    static constexpr int CObjektGrund = 8;  // reasons (TGrndFile ids)

    virtual ~IQLN_AufgabenEditServer() = default;
    // Whether a task of the task kind refers to one of the objects. An
    // Exception for an object kind the server does not know.
    virtual bool ObjekteVerwendet(int objektArt, int aufgabenArt, const QList<TIntTrio>& ids) = 0;
};

class TQLN_AufgabenEditServer : public IQLN_AufgabenEditServer {
public:
    bool ObjekteVerwendet(int objektArt, int aufgabenArt, const QList<TIntTrio>& ids) override;
};
