#include "report/TableFile.h"

#include "report/OutputFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <iconv.h>

namespace quorvel {

namespace {

const char* const FileCodePage = "WINDOWS-1251";

// Owns one conversion descriptor from UTF-8 to the file's code page.
class Cp1251Encoder {
public:
    Cp1251Encoder() : descriptor_(iconv_open(FileCodePage, "UTF-8")) {}
    ~Cp1251Encoder() {
        if (isOpen())
            iconv_close(descriptor_);
    }
    Cp1251Encoder(const Cp1251Encoder&) = delete;
    Cp1251Encoder& operator=(const Cp1251Encoder&) = delete;

    bool isOpen() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

    // Appends the encoded text to out. On a character that the code page lacks,
    // returns false and sets badOffset to its byte offset in utf8.
    bool append(const QByteArray& utf8, QByteArray* out, qsizetype* badOffset) {
        char* in = const_cast<char*>(utf8.constData());
        std::size_t inLeft = static_cast<std::size_t>(utf8.size());
        // windows-1251 uses one byte per character, never more than UTF-8 does.
        QByteArray encoded(utf8.size(), '\0');
        char* outPtr = encoded.data();
        std::size_t outLeft = static_cast<std::size_t>(encoded.size());
        iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(descriptor_, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
            *badOffset = in - utf8.constData();
            return false;
        }
        out->append(encoded.constData(), outPtr - encoded.constData());
        return true;
    }

private:
    iconv_t descriptor_;
};

QString ShownName(const QByteArray& nativeName) {
    return QDir::toNativeSeparators(QFile::decodeName(nativeName));
}

void SetMessage(QString* errorMessage, const QString& text) {
    if (errorMessage)
        *errorMessage = text;
}

// The file's bytes. On a character that cannot be encoded returns false with that
// character and its 1-based line; badLine 0 means the code page is not available.
bool EncodeTableText(const QStringList& lines, QByteArray* bytes, QString* badCharacter,
                     int* badLine) {
    Cp1251Encoder encoder;
    if (!encoder.isOpen()) {
        *badCharacter = QString();
        *badLine = 0;
        return false;
    }
    bytes->clear();
    for (int lineIndex = 0; lineIndex < lines.size(); ++lineIndex) {
        QString line = lines[lineIndex];
        line.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        line.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        const QStringList pieces = line.split(QLatin1Char('\n'));
        for (const QString& piece : pieces) {
            const QByteArray utf8 = piece.toUtf8();
            qsizetype badOffset = 0;
            if (!encoder.append(utf8, bytes, &badOffset)) {
                const QString rest = QString::fromUtf8(utf8.mid(badOffset));
                *badCharacter =
                    rest.isEmpty() ? QString() : rest.left(rest.at(0).isHighSurrogate() ? 2 : 1);
                *badLine = lineIndex + 1;
                return false;
            }
            bytes->append("\r\n");
        }
    }
    return true;
}

// The message for lines EncodeTableText refused; `firstLine` is the number of lines
// before them.
QString EncodingRefusal(const QByteArray& nativeName, const QString& badCharacter, int badLine,
                        int firstLine) {
    if (badLine == 0)
        return QStringLiteral("Файл «%1» не сохранён: перекодировка в windows-1251 "
                              "недоступна в этой системе.")
            .arg(ShownName(nativeName));
    return QStringLiteral("Файл «%1» не сохранён: символ «%2» в строке %3 нельзя "
                          "записать в кодировке windows-1251. Удалите или замените "
                          "его и сохраните снова.")
        .arg(ShownName(nativeName), badCharacter, QString::number(firstLine + badLine));
}

} // namespace

bool SaveTableFile(const QByteArray& nativeName, const QStringList& lines, QString* errorMessage) {
    QByteArray bytes;
    QString badCharacter;
    int badLine = 0;
    if (!EncodeTableText(lines, &bytes, &badCharacter, &badLine)) {
        SetMessage(errorMessage, EncodingRefusal(nativeName, badCharacter, badLine, 0));
        return false;
    }
    return WriteOutputFile(nativeName, bytes, errorMessage);
}

TableFileWriter::TableFileWriter(const QByteArray& nativeName)
    : name_(nativeName), file_(nativeName) {}

bool TableFileWriter::open(QString* errorMessage) {
    linesWritten_ = 0;
    return file_.open(errorMessage);
}

bool TableFileWriter::write(const QStringList& lines, QString* errorMessage) {
    QByteArray bytes;
    QString badCharacter;
    int badLine = 0;
    if (!EncodeTableText(lines, &bytes, &badCharacter, &badLine)) {
        file_.cancel();
        SetMessage(errorMessage, EncodingRefusal(name_, badCharacter, badLine, linesWritten_));
        return false;
    }
    linesWritten_ += static_cast<int>(lines.size());
    return file_.write(bytes, errorMessage);
}

bool TableFileWriter::commit(QString* errorMessage) {
    return file_.commit(errorMessage);
}

bool SaveTableFile(const QString& fileName, const QStringList& lines, QString* errorMessage) {
    return SaveTableFile(QFile::encodeName(fileName), lines, errorMessage);
}

} // namespace quorvel
