// SPDX-License-Identifier: MIT
// Stands in for the shell, `defaults` or `killall`: appends its name and arguments as one JSON line
// to $BERTHWISE_RECORD_FILE, prints $BERTHWISE_RECORD_STDOUT and $BERTHWISE_RECORD_STDERR, and exits
// with $BERTHWISE_RECORD_EXIT (0 when unset). Like `defaults`, a successful "export DOMAIN PATH" copies
// the domain's file, $BERTHWISE_RECORD_DOMAIN_FILE, to PATH when there is one, and "import DOMAIN
// PATH" copies PATH over it, so that backups and restores leave files to look at.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    QJsonArray call;
    for (int i = 0; i < argc; ++i)
        call.append(QString::fromLocal8Bit(argv[i]));
    QFile file(qEnvironmentVariable("BERTHWISE_RECORD_FILE"));
    if (file.open(QIODevice::Append)) {
        file.write(QJsonDocument(call).toJson(QJsonDocument::Compact) + '\n');
        file.close();
    }
    const int exitCode = qEnvironmentVariableIntValue("BERTHWISE_RECORD_EXIT");
    const QString domainFile = qEnvironmentVariable("BERTHWISE_RECORD_DOMAIN_FILE");
    const QString verb = call.at(1).toString();
    const bool exports = verb == u"export"_s;
    if (exitCode == 0 && argc == 4 && !domainFile.isEmpty() && (exports || verb == u"import"_s)) {
        const QString path = QString::fromLocal8Bit(argv[3]);
        const QString from = exports ? domainFile : path;
        const QString to = exports ? path : domainFile;
        if (QFile::exists(from)) {
            QFile::remove(to);
            QFile::copy(from, to);
        }
    }
    const QByteArray out = qgetenv("BERTHWISE_RECORD_STDOUT");
    const QByteArray err = qgetenv("BERTHWISE_RECORD_STDERR");
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    std::fwrite(err.constData(), 1, size_t(err.size()), stderr);
    return exitCode;
}
