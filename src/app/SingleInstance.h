// SPDX-License-Identifier: MIT
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

// Keeps one Berthwise per user: a second launch asks the first to show its window, then ends.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(QString name = defaultName(), QObject* parent = nullptr);

    // True when another instance answered; it has been asked to show its window.
    [[nodiscard]] bool notifyRunningInstance() const;
    // Starts answering later launches; false when the name cannot be taken.
    bool listen();

    // Per user, so that users on one machine do not reach each other's instance.
    [[nodiscard]] static QString defaultName();

Q_SIGNALS:
    void activationRequested();

private:
    QString m_name;
    QLocalServer m_server;
};
