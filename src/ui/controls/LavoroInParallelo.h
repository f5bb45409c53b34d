#pragma once
// One long job on a thread of its own, whose end is reported on the
// user-interface thread. The thread is started and joined by the standard
// library, so everything the window did before Avvia is seen by the job
// and everything the job wrote is seen once Finito arrives (also by the
// thread sanitizer, which cannot see inside Qt's own queues).

#include <QObject>
#include <functional>
#include <thread>

class LavoroInParallelo : public QObject {
    Q_OBJECT
public:
    explicit LavoroInParallelo(QObject* parent = nullptr) : QObject(parent) {}
    // Waits for a job still running: its owner must have asked it to stop.
    ~LavoroInParallelo() override { Attendi(); }

    // Starts lavoro; one job at a time.
    void Avvia(std::function<void()> lavoro);
    [[nodiscard]] bool InCorso() const { return filo_.joinable(); }
    // Waits for the job's end without delivering Finito (which is then
    // never delivered): for owners that are going away.
    void Attendi();

signals:
    // On the user-interface thread, once the job's thread has ended.
    void Finito();

private:
    void Concluso();

    std::thread filo_;
};
