// SPDX-License-Identifier: MIT
// The calculator driven by a sequence of events the fuzzer chooses: address
// texts (written whole, or one field at a time and left), rows picked in the
// four selectors, the inversed box, the class picker, and store then load.
// Properties: the subnet ID and broadcast are the 32-bit network and broadcast
// of the address and mask on screen; a store then a load at the next start
// shows the same address, mask and results.
#include "app/SettingsFile.h"
#include "controls/OctetText.h"
#include "core/AddressInfo.h"
#include "core/ClassRebuild.h"
#include "core/Error.h"
#include "core/InversedMask.h"
#include "core/MemoryCalculator.h"
#include "core/SelectorLinkage.h"
#include "core/SubnetComputation.h"
#include "platform/IniFile.h"
#include "tests/fuzz/FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

namespace maskwell::fuzz {

namespace {

// The address control over the calculator's address text.
class AddressFields final : public OctetFields {
public:
    explicit AddressFields(TextField& address) : address_(address) {
        const QStringList parts = QString::fromStdString(address.Text()).split(u'.');
        for (qsizetype i = 0; i < 4 && i < parts.size(); ++i)
            texts_[static_cast<std::size_t>(i)] = parts[i];
    }
    QString OctetText(int index) const override { return texts_[static_cast<std::size_t>(index)]; }
    void SetOctetText(int index, const QString& text) override {
        texts_[static_cast<std::size_t>(index)] = text;
        address_.SetText(
            (texts_[0] + u'.' + texts_[1] + u'.' + texts_[2] + u'.' + texts_[3]).toStdString());
    }

private:
    TextField& address_;
    std::array<QString, 4> texts_;
};

// The address as a number when it is four decimal octets of 0..255.
std::optional<std::uint32_t> AddressValue(const std::string& text) {
    const QStringList parts = QString::fromStdString(text).split(u'.');
    if (parts.size() != 4)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const QString& part : parts) {
        bool ok = false;
        const int octet = part.toInt(&ok);
        if (!ok || octet < 0 || octet > 255 || QString::number(octet) != part)
            return std::nullopt;
        value = value << 8 | static_cast<std::uint32_t>(octet);
    }
    return value;
}

std::string Dotted(std::uint32_t value) {
    return std::to_string(value >> 24) + '.' + std::to_string(value >> 16 & 255) + '.' +
           std::to_string(value >> 8 & 255) + '.' + std::to_string(value & 255);
}

// In memory where the system has it: every store is synced to the disk.
QString TempRoot() {
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
}

const QString& SettingsPath() {
    static QTemporaryDir dir(TempRoot() + QStringLiteral("/maskwell-fuzz-calc-XXXXXX"));
    static const QString path = dir.path() + QStringLiteral("/maskwell.ini");
    return path;
}

// The first activation: the load (the address repaired as the control
// repairs it), then the calculation.
void Start(MemoryCalculator& calc) {
    TIniFile ini(SettingsPath());
    LoadSettings(ini, calc.State, [&calc] {
        AddressFields fields(calc.IPE);
        const QStringList octets = OctetTextsOfAddress(QString::fromStdString(calc.IPE.Text()));
        for (qsizetype i = 0; i < octets.size(); ++i)
            fields.SetOctetText(static_cast<int>(i), octets[i]);
        RepairOctets(fields);
    });
    StartCalc(calc.State);
}

struct Shown {
    std::string address, maskBits, e1, e2, e3;
    bool operator==(const Shown&) const = default;
    std::string Text() const {
        return address + " /" + maskBits + " " + e1 + " | " + e2 + " | " + e3;
    }
};

Shown ShownBy(const MemoryCalculator& calc) {
    return {calc.IPE.Text(), calc.CB2.Text(), calc.E1.Text(), calc.E2.Text(), calc.E3.Text()};
}

// A user picks one of the rows a list has.
void PickRow(MemoryCalculator& calc, Selector& selector, int choice,
             void (*change)(CalculatorState&)) {
    if (selector.Count() == 0)
        return;
    selector.SetItemIndex(choice % selector.Count());
    change(calc.State);
}

} // namespace

void RunCalculator(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    QFile::remove(SettingsPath());
    auto calc = std::make_unique<MemoryCalculator>();
    Start(*calc); // a fresh start: no file
    bool resultsCurrent = true;
    for (int step = 0; step < 24 && !in.Empty(); ++step) {
        const int event = in.Between(0, 8);
        try {
            switch (event) {
            case 0: { // an address written whole, then the field left
                AddressFields fields(calc->IPE);
                const QStringList octets = OctetTextsOfAddress(in.Text(24));
                for (qsizetype i = 0; i < octets.size(); ++i)
                    fields.SetOctetText(static_cast<int>(i), octets[i]);
                resultsCurrent = false;
                RepairOctets(fields);
                RebindCheckbox(calc->State);
                break;
            }
            case 1: { // one field given any text (typed, pasted, dropped), then left
                AddressFields fields(calc->IPE);
                fields.SetOctetText(in.Between(0, 3), in.Text(3));
                resultsCurrent = false;
                RepairOctets(fields);
                RebindCheckbox(calc->State);
                break;
            }
            case 2:
                resultsCurrent = false;
                PickRow(*calc, calc->CB1, in.Between(0, 255), CB1Change);
                break;
            case 3:
                resultsCurrent = false;
                PickRow(*calc, calc->CB2, in.Between(0, 255), CB2Change);
                break;
            case 4:
                resultsCurrent = false;
                PickRow(*calc, calc->CB3, in.Between(0, 255), CB3Change);
                break;
            case 5:
                resultsCurrent = false;
                PickRow(*calc, calc->CB4, in.Between(0, 255), CB4Change);
                break;
            case 6: // the inversed box: only CB1's texts change
                calc->ChB1.SetChecked(!calc->ChB1.Checked());
                ChB1Click(calc->State);
                break;
            case 7:
                resultsCurrent = false;
                PickRow(*calc, calc->CBA1, in.Between(0, 3), CBA1Change);
                break;
            case 8: { // close, then the next start
                const Shown atExit = ShownBy(*calc);
                const bool comparable = resultsCurrent && AddressValue(atExit.address);
                {
                    TIniFile ini(SettingsPath());
                    StoreSettings(ini, calc->State);
                }
                calc = std::make_unique<MemoryCalculator>();
                resultsCurrent = false;
                Start(*calc);
                if (comparable)
                    Require(ShownBy(*calc) == atExit, "stored " + atExit.Text() +
                                                          ", the next start shows " +
                                                          ShownBy(*calc).Text());
                break;
            }
            default:
                break;
            }
            // The inversed box recalculates nothing: the results stay as they were.
            if (event != 6)
                resultsCurrent = true;
        } catch (const ConversionError&) {
            // A field holding no number: the error box, and the results stay.
        }

        const std::optional<std::uint32_t> address = AddressValue(calc->IPE.Text());
        const std::optional<MaskCut> cut = MaskCutOf(calc->CB2.Text());
        if (resultsCurrent && address && calc->CB2.ItemIndex() >= 0 && cut) {
            const int bits = std::stoi(calc->CB2.Text());
            const std::uint32_t mask = bits == 0 ? 0 : ~std::uint32_t{0} << (32 - bits);
            Require(calc->E2.Text() == Dotted(*address & mask), "subnet ID of " + calc->IPE.Text() +
                                                                    "/" + std::to_string(bits) +
                                                                    " shown " + calc->E2.Text());
            Require(calc->E3.Text() == Dotted(*address | ~mask),
                    "broadcast of " + calc->IPE.Text() + "/" + std::to_string(bits) + " shown " +
                        calc->E3.Text());
        }
    }
}

} // namespace maskwell::fuzz
