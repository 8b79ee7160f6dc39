// SPDX-License-Identifier: MIT
// The octet rules: any text in the four fields, and any text written as the
// address. Properties: after the repair the first octet is 1..239 and the
// others 0..255, written plainly, and a second repair changes nothing; only a
// text that is no decimal number stops the repair, with the conversion error;
// an address text always gives at most four octet texts below 256 in size.
#include "controls/OctetText.h"
#include "core/Error.h"
#include "tests/fuzz/FuzzSupport.h"

#include <array>

namespace maskwell::fuzz {

namespace {

class Fields final : public OctetFields {
public:
    QString OctetText(int index) const override { return texts[static_cast<std::size_t>(index)]; }
    void SetOctetText(int index, const QString& text) override {
        texts[static_cast<std::size_t>(index)] = text;
        ++writes;
    }
    std::array<QString, 4> texts{QStringLiteral("192"), QStringLiteral("168"), QStringLiteral("0"),
                                 QStringLiteral("1")};
    int writes = 0;
};

bool IsDecimalNumber(const QString& text) {
    qsizetype i = text.startsWith(u'-') || text.startsWith(u'+') ? 1 : 0;
    if (i == text.size())
        return false;
    for (; i < text.size(); ++i)
        if (text[i] < u'0' || text[i] > u'9')
            return false;
    return true;
}

void RequireRepaired(const Fields& fields, const std::string& from) {
    for (int i = 0; i < 4; ++i) {
        const QString& text = fields.texts[static_cast<std::size_t>(i)];
        bool ok = false;
        const int value = text.toInt(&ok);
        const int low = i == 0 ? 1 : 0;
        const int high = i == 0 ? 239 : 255;
        Require(ok && QString::number(value) == text && value >= low && value <= high,
                "octet " + std::to_string(i) + " is " + Quoted(text) + " after repairing " + from);
    }
}

// Repairs; true when it went through, false when a field held no number (then
// the field that stopped it must be one).
bool Repair(Fields& fields, const std::string& from) {
    try {
        RepairOctets(fields);
    } catch (const ConversionError&) {
        bool someNonNumber = false;
        for (const QString& text : fields.texts)
            someNonNumber = someNonNumber || !IsDecimalNumber(text);
        Require(someNonNumber, "the repair of " + from + " failed on numbers only");
        return false;
    }
    RequireRepaired(fields, from);
    fields.writes = 0;
    RepairOctets(fields);
    Require(fields.writes == 0, "a second repair of " + from + " changed the octets");
    return true;
}

} // namespace

void RunOctets(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const bool viaAddress = in.Flag();
    Fields fields;
    std::string from;
    if (viaAddress) {
        // Writing the address text, then leaving the field.
        const QString text = in.Text(64);
        const QStringList octets = OctetTextsOfAddress(text);
        Require(octets.size() <= 4, "more than four octets from " + Quoted(text));
        for (qsizetype i = 0; i < octets.size(); ++i) {
            bool ok = false;
            const int value = octets[i].toInt(&ok);
            Require(ok && value > -256 && value < 256 && QString::number(value) == octets[i],
                    "octet text " + Quoted(octets[i]) + " from " + Quoted(text));
            fields.texts[static_cast<std::size_t>(i)] = octets[i];
        }
        from = Quoted(text);
    } else {
        // Whatever reached the fields (a paste, a drop): up to three characters
        // each, as the fields hold, or longer when the input says so.
        const bool longTexts = in.Flag();
        for (QString& text : fields.texts)
            text = in.Text(longTexts ? 24 : 3);
        from = Quoted(fields.texts[0]) + "." + Quoted(fields.texts[1]) + "." +
               Quoted(fields.texts[2]) + "." + Quoted(fields.texts[3]);
    }
    const std::int32_t lenient = LenientIntegerValue(fields.texts[0]);
    Require(NormalizeOctetText(fields.texts[0]) == QString::number(lenient % 256),
            "the octet text of " + Quoted(fields.texts[0]));
    if (Repair(fields, from)) {
        std::array<QString, 4> texts = fields.texts;
        const std::uint32_t value = OctetsValue(texts);
        Require(OctetTextsOfValue(value) == texts, "the address value of " + from);
    }
}

} // namespace maskwell::fuzz
