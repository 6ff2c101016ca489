// The box's names as the windows show them and read them back: the name codec's UTF-8 as Qt text.
#pragma once

#include "name_codec.h"
#include "status_text.h"

#include <QCoreApplication>
#include <QString>
#include <QValidator>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

inline QString NameText(const CNameCodec& names, std::string_view bytes) {
    return QString::fromStdString(names.ToUtf8(bytes));
}

inline QString NameText(const CNameCodec& names, const char (&name)[kNameSize]) {
    return NameText(names, NameOf(name));
}

// A character set's title in the window's language.
inline QString CharsetTitle(ECharset set) {
    return QCoreApplication::translate("Charset", CharsetOf(set).pszTitle);
}

// The box's bytes of a typed name; nothing when the set lacks one of its characters or it takes
// more than 16 bytes.
inline std::optional<std::string> NameBytes(const CNameCodec& names, const QString& text) {
    std::string bytes, error;
    if (!names.FromUtf8(text.toStdString(), bytes, error))
        return std::nullopt;
    return bytes;
}

// The longest text of a name: each of its 16 bytes shown as a mark and two hex digits.
inline constexpr int kNameTextMaxChars = (kNameSize - 1) * 3;

// A name field refuses a keystroke or a paste that would put in a character the box's set
// lacks, as every number field refuses what it cannot hold, and gives `tell` the status line's
// text that names those characters. The set is the codec's at the time of the keystroke. A mark
// left with one hex digit (a Backspace took the other) goes as a whole: it stands for one byte.
class CNameValidator : public QValidator {
  public:
    using Tell = std::function<void(const QString& status)>;
    CNameValidator(const CNameCodec& names, QObject* parent, Tell tell = {})
        : QValidator(parent), m_names(names), m_tell(std::move(tell)) {}

    State validate(QString& input, int& pos) const override {
        DropBrokenMarks(input, pos);
        if (NameBytes(m_names, input))
            return Acceptable;
        const std::string missing = m_names.Missing(input.toStdString());
        if (m_tell && !missing.empty())
            m_tell(StatusText(EStatus::Refused, CharsetTitle(m_names.Charset()),
                              QString::fromStdString(missing)));
        return Invalid;
    }

  private:
    static bool IsHexDigit(QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'); }
    static void DropBrokenMarks(QString& input, int& pos) {
        const auto digit = [&](qsizetype k) { return k < input.size() && IsHexDigit(input[k]); };
        qsizetype i = 0;
        while ((i = input.indexOf(QChar::ReplacementCharacter, i)) >= 0) {
            if (!digit(i + 1) || digit(i + 2)) {
                ++i;
                continue;
            }
            input.remove(i, 2);
            if (pos > i)
                pos = int(std::max(i, qsizetype(pos) - 2));
        }
    }

    const CNameCodec& m_names;
    Tell m_tell;
};
