// SPDX-License-Identifier: MIT
// Stands in for the shell, `defaults` or `killall`: appends its name and arguments as one JSON line
// to $BERTHWISE_RECORD_FILE, prints $BERTHWISE_RECORD_STDOUT and $BERTHWISE_RECORD_STDERR, and exits
// with $BERTHWISE_RECORD_EXIT (0 when unset).
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QJsonArray call;
    for (int i = 0; i < argc; ++i)
        call.append(QString::fromLocal8Bit(argv[i]));
    QFile file(qEnvironmentVariable("BERTHWISE_RECORD_FILE"));
    if (file.open(QIODevice::Append)) {
        file.write(QJsonDocument(call).toJson(QJsonDocument::Compact) + '\n');
        file.close();
    }
    const QByteArray out = qgetenv("BERTHWISE_RECORD_STDOUT");
    const QByteArray err = qgetenv("BERTHWISE_RECORD_STDERR");
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    std::fwrite(err.constData(), 1, size_t(err.size()), stderr);
    return qEnvironmentVariableIntValue("BERTHWISE_RECORD_EXIT");
}
