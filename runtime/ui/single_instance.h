#pragma once

#include <QLocalServer>
#include <QObject>

namespace rt {

// One running copy of a program per user: a later copy asks the running one to come to the front.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& programName, QObject* parent = nullptr);

    // True when another copy runs (it has been asked to activate itself); otherwise this copy becomes
    // the running one and listens.
    bool anotherIsRunning();

signals:
    void activateRequested();

private:
    QString name_;
    QLocalServer server_;
};

} // namespace rt
