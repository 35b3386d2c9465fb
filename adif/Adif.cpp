#include "adif/Adif.h"

#include <algorithm>
#include <array>

#include "common/KeroltError.h"
#include "common/Text.h"

namespace kerolt {

namespace {

bool IsNameChar(char c) {
    return IsDigit(c) || (UpperAscii(c) >= 'A' && UpperAscii(c) <= 'Z') || c == '_';
}

class Lexer {
  public:
    Lexer(std::string_view text, std::string_view fileName) : text_(text), fileName_(fileName) {}

    AdifDocument Read() {
        if (text_.find('\0') != std::string_view::npos)
            Fail(Message(KT("Import", "%1 is not an ADIF file"), {std::string(fileName_)}));
        AdifDocument doc;
        AdifRecord fields;
        bool anyTag = false;
        bool headerSeen = false;
        std::size_t lastTag = 0;
        for (std::size_t at = text_.find('<'); at != std::string_view::npos;
             at = text_.find('<', at)) {
            anyTag = true;
            lastTag = at;
            const std::size_t close = text_.find('>', at);
            if (close == std::string_view::npos)
                FailAt(at, KT("Import", "the tag has no closing '>'"));
            const std::string_view tag = text_.substr(at + 1, close - at - 1);
            const std::size_t colon = tag.find(':');
            const std::string name = UpperAscii(tag.substr(0, colon));
            if (name.empty() || !std::all_of(name.begin(), name.end(), IsNameChar))
                FailAt(at, Message(KT("Import", "'<%1>' is no ADIF tag"), {ShownText(tag)}));
            if (colon == std::string_view::npos) {
                if (name == "EOR") {
                    if (!fields.empty())
                        doc.Records.push_back(std::move(fields));
                    fields.clear();
                    fields.reserve(doc.Records.empty() ? 0 : doc.Records.back().size());
                } else if (name == "EOH") {
                    if (headerSeen || !doc.Records.empty())
                        FailAt(at, KT("Import", "<EOH> after the header"));
                    headerSeen = true;
                    doc.Header = std::move(fields);
                    fields.clear();
                } else {
                    FailAt(at, Message(KT("Import", "the field <%1> has no length"),
                                       {ShownText(name)}));
                }
                at = close + 1;
                continue;
            }
            const std::string_view lengthText =
                tag.substr(colon + 1, tag.find(':', colon + 1) - colon - 1);
            const int length = DigitsValue(lengthText);
            if (length < 0)
                FailAt(at,
                       Message(KT("Import", "the field <%1> has no length"), {ShownText(name)}));
            const std::size_t start = close + 1;
            if (static_cast<std::size_t>(length) > text_.size() - start)
                FailAt(at, Message(KT("Import", "the field <%1> runs past the end of the file"),
                                   {ShownText(name)}));
            fields.emplace_back(name, text_.substr(start, static_cast<std::size_t>(length)));
            at = start + static_cast<std::size_t>(length);
        }
        if (!anyTag)
            Fail(Message(KT("Import", "%1 is not an ADIF file"), {std::string(fileName_)}));
        if (!fields.empty())
            FailAt(lastTag, KT("Import", "the last record has no <EOR>"));
        return doc;
    }

  private:
    [[noreturn]] static void Fail(const Message& message) { throw KeroltError(message); }

    [[noreturn]] void FailAt(std::size_t at, const Message& why) const {
        long line = 1;
        for (std::size_t i = 0; i < at; ++i) {
            // CR LF, LF and CR each end a line.
            if (text_[i] == '\n' ||
                (text_[i] == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n')))
                ++line;
        }
        Fail(Message(KT("Import", "%1: line %2: %3"),
                     {std::string(fileName_), std::to_string(line), why}));
    }

    std::string_view text_;
    std::string_view fileName_;
};

}  // namespace

std::string_view FieldOf(const AdifRecord& record, std::string_view name) {
    for (const auto& [fieldName, data] : record) {
        if (fieldName == name)
            return data;
    }
    return {};
}

std::string ShownText(std::string_view text, std::size_t most) {
    return text.size() <= most ? std::string(text) : Cut(text, most) + "...";
}

std::string AdifField(std::string_view name, std::string_view data) {
    std::string field = "<";
    field.append(name).append(":").append(std::to_string(data.size())).append(">");
    return field.append(data);
}

AdifDocument ReadAdif(std::string_view text, std::string_view fileName) {
    return Lexer(text, fileName).Read();
}

BandIndex BandFromAdifName(std::string_view name) {
    for (int band = Band80; band <= BandCount; ++band) {
        if (EqualIgnoringCase(BandName(static_cast<BandIndex>(band)), name))
            return static_cast<BandIndex>(band);
    }
    return NoBand;
}

}  // namespace kerolt
