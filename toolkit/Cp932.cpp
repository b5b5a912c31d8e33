#include "toolkit/Cp932.h"

#include "toolkit/Cp932Bytes.h"
#include "toolkit/Cp932Text.h"

#ifdef _WIN32
#include "toolkit/Cp932Windows.h"
#else
#include <QStringDecoder>
#include <QStringEncoder>
#endif

#include <algorithm>

namespace toolkit {

#ifdef _WIN32
// Qt for Windows often comes without ICU: the system's own conversion stands in.
QString FromCp932(const std::string& bytes)
{
    return QString::fromStdU16String(DecodeCp932(bytes));
}

std::string ToCp932(const QString& text)
{
    return EncodeCp932(text.toStdU16String());
}

bool IsCp932(const std::string& bytes)
{
    return IsValidCp932(bytes);
}
#else
// Qt reaches code page 932 through ICU.
static const char* const Cp932Name = "windows-31j";

QString FromCp932(const std::string& bytes)
{
    // Opening an ICU converter costs far more than decoding a name: keep one per thread.
    thread_local QStringDecoder decoder(Cp932Name);
    decoder.resetState();
    if (!decoder.isValid())
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    // ICU gives one character for each character or bad byte, but shows a bad single byte as
    // the invisible U+001A and keeps a lead byte at the very end back for a trail byte that
    // never comes. Show every bad byte as U+FFFD, so that a user sees where a name is damaged.
    qsizetype k = 0;
    for (std::size_t i = 0; i < bytes.size(); ++k) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const bool lead = IsCp932LeadByte(b);
        const bool pair = lead && i + 1 < bytes.size() && IsCp932TrailByte(static_cast<unsigned char>(bytes[i + 1]));
        if (k == text.size()) {
            if (lead && i + 1 == bytes.size())
                text += QChar(QChar::ReplacementCharacter);
            break;
        }
        if (b >= 0x80 && ((lead && !pair) || text.at(k) == QChar(0x1A)))
            text[k] = QChar(QChar::ReplacementCharacter);
        i += pair ? 2 : 1;
    }
    return text;
}

std::string ToCp932(const QString& text)
{
    thread_local QStringEncoder encoder(Cp932Name);
    encoder.resetState();
    if (!encoder.isValid())
        return text.toLatin1().toStdString();
    const QByteArray bytes = encoder.encode(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool IsCp932(const std::string& bytes)
{
    if (std::all_of(bytes.begin(), bytes.end(), [](char b) { return static_cast<unsigned char>(b) < 0x80; }))
        return true; // ASCII is itself in code page 932, and most texts are
    // Judged by what a user sees, not by the decoder's error flag: Qt 6.4 resets an ICU
    // decoder's converter but not its error count, so the flag would stay set for every text
    // after a bad one, and ICU reads the bytes 0xA0 and 0xFD to 0xFF as U+001A without an error.
    return !FromCp932(bytes).contains(QChar(QChar::ReplacementCharacter));
}
#endif

QString FromCp932Shown(const std::string& bytes)
{
    constexpr std::size_t enough = 4 * ShownLength;
    if (bytes.size() <= enough)
        return FromCp932(bytes);
    return QString::fromStdU16String(CutText(FromCp932(bytes.substr(0, enough)).toStdU16String(), ShownLength));
}

} // namespace toolkit
