// The box's names as the windows show them and read them back: the name codec's UTF-8 as Qt text.
#pragma once

#include "name_codec.h"

#include <QString>
#include <QValidator>

#include <optional>
#include <string>
#include <string_view>

inline QString NameText(const CNameCodec& names, std::string_view bytes) {
    return QString::fromStdString(names.ToUtf8(bytes));
}

inline QString NameText(const CNameCodec& names, const char (&name)[kNameSize]) {
    return NameText(names, NameOf(name));
}

// The box's bytes of a typed name; nothing when the set lacks one of its characters or it takes
// more than 16 bytes.
inline std::optional<std::string> NameBytes(const CNameCodec& names, const QString& text) {
    std::string bytes, error;
    if (!names.FromUtf8(text.toStdString(), bytes, error))
        return std::nullopt;
    return bytes;
}

// A name field refuses a keystroke or a paste that would put in a character the box's set
// lacks, as every number field refuses what it cannot hold.
class CNameValidator : public QValidator {
  public:
    CNameValidator(const CNameCodec& names, QObject* parent) : QValidator(parent), m_names(names) {}
    State validate(QString& input, int&) const override {
        return NameBytes(m_names, input) ? Acceptable : Invalid;
    }

  private:
    const CNameCodec& m_names;
};
