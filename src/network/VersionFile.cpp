#include "network/VersionFile.h"

#include <QUrl>
#include <QVector>
#include <QVersionNumber>

#include <algorithm>

namespace {
const QString kInvalidFile = QStringLiteral("Invalid version.txt file on the server");

// The lines of `body`; a final line feed ends the last line rather than starting another.
QStringList lines_of(const QByteArray& body)
{
    QStringList lines = QString::fromUtf8(body).split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

// The whole of `text` as a version number (decimal numbers joined by "."); null when any of it
// is not. QVersionNumber's own parser does not report reliably where it stopped.
QVersionNumber version_number(const QString& text)
{
    QVector<int> numbers;
    for (const QString& part : text.split(QLatin1Char('.'))) {
        bool ok = false;
        const int number = part.toInt(&ok);
        if (!ok || part.isEmpty() || !std::all_of(part.begin(), part.end(), [](QChar c) {
                return c >= QLatin1Char('0') && c <= QLatin1Char('9');
            }))
            return QVersionNumber();
        numbers.append(number);
    }
    return QVersionNumber(numbers).normalized();
}

// A text from the server as a log line shows it: short, without control characters.
QString shown(const QString& text)
{
    QString line = text.left(200);
    for (QChar& c : line) {
        if (!c.isPrint())
            c = QLatin1Char('?');
    }
    return line;
}

bool is_download_address(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && url.scheme() == QLatin1String("https") && !url.host().isEmpty();
}
} // namespace

VersionFile VersionFile::read(const QByteArray& body, const QString& currentVersion)
{
    VersionFile file;
    const QStringList lines = lines_of(body);
    if (lines.size() < 4) {
        file.log << kInvalidFile;
        return file;
    }
    const QStringList versionParts = lines.at(0).split(QLatin1Char(':'));
    if (versionParts.size() < 2) {
        file.log << QStringLiteral("File format of version.txt for Windows version is invalid");
        return file;
    }
    file.serverVersion = versionParts.at(1).trimmed();
    const QVersionNumber server = version_number(file.serverVersion);
    if (server.isNull()) {
        file.log << kInvalidFile;
        return file;
    }
    const QVersionNumber current = version_number(currentVersion);
    if (server == current) {
        file.verdict = Verdict::UpToDate;
        file.log << QStringLiteral("Kavo is up to date");
        return file;
    }
    if (server < current) {
        file.verdict = Verdict::NotNewer;
        file.log << QStringLiteral("Your Kavo version ") + currentVersion +
                        QStringLiteral(" is newer version than the server version: ") +
                        file.serverVersion;
        return file;
    }
    file.log << QStringLiteral("Kavo has a new version ") + file.serverVersion;
    const QStringList downloadParts = lines.at(3).split(QStringLiteral(" : "));
    file.verdict = Verdict::InvalidDownloadLine;
    if (downloadParts.size() < 2) {
        file.log << QStringLiteral("File format of version.txt for Windows download is invalid");
        return file;
    }
    const QString address = downloadParts.at(1).trimmed();
    if (!is_download_address(address)) {
        file.log << QStringLiteral("The download address is not an https address: ") +
                        shown(address);
        return file;
    }
    file.verdict = Verdict::NewVersion;
    file.downloadAddress = address;
    return file;
}
