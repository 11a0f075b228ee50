// SPDX-License-Identifier: MIT
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

// Keeps one Berthwise per user: a later launch asks the running one to show its window, then ends.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(QString name = defaultName(), QObject* parent = nullptr);

    // True when this process is now the one instance and answers later launches; false when another
    // instance answered and has been asked to show its window, so this process should end.
    [[nodiscard]] bool claim();

    // Per user, so that users on one machine do not reach each other's instance.
    [[nodiscard]] static QString defaultName();

Q_SIGNALS:
    void activationRequested();

private:
    [[nodiscard]] bool notifyRunningInstance() const;

    QString m_name;
    QLocalServer m_server;
};
