#pragma once
// A delete test in a worker thread: the worker opens its own record files (and
// so its own connection), looks for references and returns 0 (free) or 1 (in
// use). The window waits in 200 ms steps, processing window messages, under
// its progress indicator, and reads the result only after the worker ended.

#include <QThread>
#include <atomic>

class TQLNForm;

class TZEV_BuchenTestenThread : public QThread {
public:
    TZEV_BuchenTestenThread() = default;
    // Runs the worker to its end and returns its result; a failure inside the
    // worker counts as "in use" and is reported after it ended.
    int Ausfuehren(TQLNForm* fenster);
    int ReturnValue() const { return FReturnValue; }

protected:
    // In the worker: 1 when a reference exists, else 0. Opens its own files.
    virtual int Pruefe() = 0;

private:
    void run() override;
    std::atomic<int> FReturnValue{0};
    QString FFehler;
};
