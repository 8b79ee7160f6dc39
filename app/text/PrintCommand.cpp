// SPDX-License-Identifier: MIT
#include "app/text/PrintCommand.h"

#include "app/text/LineReader.h"
#include "app/text/PrintRecord.h"
#include "app/text/ProblemReport.h"
#include "app/text/TerminalText.h"
#include "core/AddressResults.h"

#include <memory>
#include <string>

namespace maskwell {

namespace {

// The mask bits --print takes when the address comes without a mask.
constexpr int kPrintMaskBits = 24;

// One --print run: each input in turn into the writer, or into the report.
class PrintRun {
public:
    PrintRun(const CommandLine& commandLine, const TextStreams& streams)
        : streams_(streams), out_(streams.Output), problems_(out_, streams.Errors),
          writer_(PrintWriter(commandLine.format, out_)) {}

    void Argument(std::string_view text) {
        Take(text, [&] { return "'" + PrintableArgument(text) + "'"; });
    }

    void StandardInput() {
        LineReader lines(streams_.Input, [this] { out_.Flush(); });
        while (!out_.Failed()) {
            const std::optional<InputLine> line = lines.Next();
            if (!line)
                break;
            const auto where = [&] {
                return "line " + std::to_string(line->Number) + ": '" +
                       PrintableArgument(line->Text) + "'";
            };
            if (line->TooLong) {
                Refuse(line->Text, where(),
                       "longer than " + std::to_string(LineReader::MaxLength) + " bytes");
                continue;
            }
            const std::size_t first = line->Text.find_first_not_of(" \t\r");
            if (first == std::string_view::npos || line->Text[first] == '#')
                continue;
            Take(line->Text, where);
        }
        if (lines.Error() != 0)
            problems_.ReadFailed("standard input", lines.Error());
    }

    bool Stopped() const { return out_.Failed() || problems_.ExitStatus() == 1; }

    int Finish() {
        problems_.FinishOutput();
        return problems_.ExitStatus();
    }

private:
    template <typename Where> void Take(std::string_view text, const Where& where) {
        const std::optional<AddressInput> input = ParseAddressInput(text);
        if (!input) {
            Refuse(text, where(), NotAnAddressReason(text));
            return;
        }
        if (std::string repaired = RepairedAddressReason(*input); !repaired.empty()) {
            Refuse(text, where(), repaired);
            return;
        }
        const std::optional<AddressResults> results =
            WorkOutResults(*input, kPrintMaskBits, refusal_);
        if (!results) {
            Refuse(text, where(), refusal_);
            return;
        }
        record_.Fill(*results);
        writer_->Write(record_.Values());
    }

    void Refuse(std::string_view text, const std::string& where, const std::string& reason) {
        problems_.Refused(where, reason);
        writer_->Refused(text, reason);
    }

    TextStreams streams_;
    OutputBuffer out_;
    ProblemReport problems_;
    std::unique_ptr<RecordWriter> writer_;
    PrintRecord record_;
    std::string refusal_;
};

} // namespace

int RunPrint(const CommandLine& commandLine, const TextStreams& streams) {
    PrintRun run(commandLine, streams);
    for (const std::string& input : commandLine.inputs) {
        if (input == "-")
            run.StandardInput();
        else
            run.Argument(input);
        if (run.Stopped())
            break;
    }
    return run.Finish();
}

} // namespace maskwell
