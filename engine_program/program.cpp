#include "engine_program/program.h"

#include "engine/engine_interface.h"
#include "engine_program/session.h"
#include "engine_program/uci_session.h"
#include "engine_program/xboard_session.h"

#include <deque>
#include <memory>

namespace engine_program {

namespace {

class Program {
public:
    Program(LineSource& input, std::ostream& output)
        : Input(input)
        , Out(output)
        , Current(std::make_unique<XboardSession>(Out))
    { }

    void Run()
    {
        while (!Current->QuitRequested() && Out.Good()) {
            if (Current->Busy()) {
                ReadWhileBusy();
                if (Current->Busy() && !Current->QuitRequested()) {
                    Current->Step();
                }
            } else if (!Deferred.empty()) {
                const std::string line = std::move(Deferred.front());
                Deferred.pop_front();
                Current->HandleLine(line);
            } else if (InputOver) {
                break;
            } else if (const std::optional<InputLine> line = Input.Next(true)) {
                Take(*line);
            } else {
                EndInput();
            }
        }
    }

private:
    // Lines that arrive while the engine thinks: the session takes what it
    // can at once and the rest waits, in order, until it is idle. Lines
    // held back earlier are offered again first, since the session may take
    // more once its own move is out (thinking on the opponent's time).
    void ReadWhileBusy()
    {
        while (!Deferred.empty() && Current->HandleWhileBusy(Deferred.front())) {
            Deferred.pop_front();
        }
        while (!InputOver && Current->Busy()) {
            const std::optional<InputLine> line = Input.Next(false);
            if (!line) {
                if (Input.Ended()) {
                    EndInput();
                }
                return;
            }
            if (line->TooLong) {
                Current->RefuseLongLine(line->Text);
            } else if (!Current->HandleWhileBusy(line->Text)) {
                Deferred.push_back(line->Text);
            }
        }
    }

    void Take(const InputLine& line)
    {
        if (line.TooLong) {
            Current->RefuseLongLine(line.Text);
            return;
        }
        const CommandLine command = SplitCommand(line.Text);
        // The first protocol command decides; the xboard session also
        // serves the tool commands and input without any protocol.
        if (!ProtocolChosen && command.Word == "uci") {
            Current = std::make_unique<UciSession>(Out);
        }
        if (!command.Word.empty() && command.Word != "perft" && command.Word != "divide"
            && command.Word != "bench") {
            ProtocolChosen = true;
        }
        Current->HandleLine(line.Text);
    }

    void EndInput()
    {
        InputOver = true;
        Current->InputEnded();
    }

    LineSource& Input;
    Output Out;
    std::unique_ptr<Session> Current;
    std::deque<std::string> Deferred;
    bool ProtocolChosen = false;
    bool InputOver = false;
};

} // namespace

int RunEngineProgram(LineSource& input, std::ostream& output)
{
    Program program(input, output);
    program.Run();
    engine::CloseEngine();
    return 0;
}

} // namespace engine_program
