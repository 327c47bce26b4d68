#include "tools/book/book_compiler.h"

#include "engine/opening_library.h"
#include "tools/book/book_board.h"
#include "tools/book/san_match.h"

#include <algorithm>

namespace book {

using namespace engine;

namespace {

// Move numbers are six bits and 63 is the separator.
constexpr int HighestMoveNumber = 62;
constexpr int LongestList = 62;

struct Node {
    int Number = 0; // place in the generator's list for the parent position
    bool RecognisedOnly = false;
    int Line = 0; // where the node was first written
    std::string Written; // as there, with its move number
    std::vector<int> Children; // in order of first appearance
};

class TreeBuilder {
public:
    TreeBuilder(CompiledBook& out)
        : Out(out)
    {
        Nodes.push_back(Node {});
    }

    void Add(const BookLine& line)
    {
        Board.Reset();
        int parent = 0;
        for (std::size_t ply = 0; ply < line.Moves.size(); ++ply) {
            const BookMove& written = line.Moves[ply];
            // A fault in the moves a continuation inherits was reported on
            // the line that wrote them.
            const bool own = int(ply) >= line.Inherited;
            const SanMatch match = MatchSan(Board, written.San);
            if (!match.Move.IsMove()) {
                if (own) {
                    Fail(line, ply, match.Fault);
                }
                return;
            }
            const int number = Board.GeneratorIndex(match.Move);
            if (number > HighestMoveNumber) {
                if (own) {
                    Fail(line, ply, "its place in the generator's list is beyond 62");
                }
                return;
            }
            const int child = Child(parent, number, written.RecognisedOnly, line.Line, Written(line, ply));
            if (Nodes[child].RecognisedOnly != written.RecognisedOnly) {
                if (own) {
                    Fail(line, ply, "marked differently on line " + std::to_string(Nodes[child].Line));
                }
                return;
            }
            Board.Play(match.Move);
            parent = child;
        }
        Out.Deepest = std::max(Out.Deepest, int(line.Moves.size()));
    }

    // Checks every list and writes the tree in pre-order.
    void Write()
    {
        for (const Node& node : Nodes) {
            CheckList(node);
        }
        if (!Out.Errors.empty()) {
            return;
        }
        std::vector<std::uint8_t> bytes {LibRoot};
        WriteList(0, bytes);
        Out.BytesUsed = int(bytes.size());
        if (bytes.size() > OpeningLibrarySize) {
            Out.Errors.push_back(BookError {0, {},
                "the tree needs " + std::to_string(bytes.size()) + " bytes, more than the block's "
                    + std::to_string(OpeningLibrarySize)});
            return;
        }
        bytes.resize(OpeningLibrarySize, 0);
        Out.Block = std::move(bytes);
    }

private:
    int Child(int parent, int number, bool recognisedOnly, int line, const std::string& written)
    {
        for (int child : Nodes[parent].Children) {
            if (Nodes[child].Number == number) {
                return child;
            }
        }
        Nodes.push_back(Node {number, recognisedOnly, line, written, {}});
        const int child = int(Nodes.size()) - 1;
        Nodes[parent].Children.push_back(child);
        return child;
    }

    void CheckList(const Node& parent)
    {
        const std::vector<int>& list = parent.Children;
        if (list.empty()) {
            return;
        }
        const Node& first = Nodes[list.front()];
        if (list.size() > std::size_t(LongestList)) {
            Out.Errors.push_back(
                BookError {first.Line, first.Written, "more than 62 candidate moves in one position"});
        }
        if (std::all_of(
                list.begin(), list.end(), [this](int child) { return Nodes[child].RecognisedOnly; })) {
            Out.Errors.push_back(BookError {first.Line, first.Written,
                "every candidate in this position is marked '?': the computer would have nothing to choose"});
        }
    }

    // The choosable moves, the separator if any move is recognised only,
    // then the recognised-only moves; each node's own list follows it.
    void WriteList(int parent, std::vector<std::uint8_t>& bytes)
    {
        std::vector<int> list = Nodes[parent].Children;
        std::stable_partition(
            list.begin(), list.end(), [this](int child) { return !Nodes[child].RecognisedOnly; });
        for (std::size_t i = 0; i < list.size(); ++i) {
            const Node& node = Nodes[list[i]];
            if (node.RecognisedOnly && (i == 0 || !Nodes[list[i - 1]].RecognisedOnly)) {
                bytes.push_back(LibSeparator);
                ++Out.Separators;
            }
            std::uint8_t byte = std::uint8_t(node.Number);
            byte |= node.Children.empty() ? 0 : LibHasChildren;
            byte |= i + 1 == list.size() ? LibLastNode : 0;
            bytes.push_back(byte);
            ++Out.MoveNodes;
            if (!node.Children.empty()) {
                WriteList(list[i], bytes);
            }
        }
    }

    // "12... ?Nc6": the move as a reader finds it in the line.
    static std::string Written(const BookLine& line, std::size_t ply)
    {
        const BookMove& move = line.Moves[ply];
        return std::to_string(ply / 2 + 1) + (ply % 2 == 0 ? ". " : "... ") + (move.RecognisedOnly ? "?" : "")
            + move.San;
    }

    void Fail(const BookLine& line, std::size_t ply, const std::string& message)
    {
        Out.Errors.push_back(BookError {line.Line, Written(line, ply), message});
    }

    CompiledBook& Out;
    BookBoard Board;
    std::vector<Node> Nodes; // [0] is the root
};

} // namespace

CompiledBook CompileBook(std::string_view source)
{
    CompiledBook book;
    SourceReading reading = ReadBookSource(source);
    book.Errors = std::move(reading.Errors);
    book.Lines = int(reading.Lines.size());
    TreeBuilder tree(book);
    for (const BookLine& line : reading.Lines) {
        tree.Add(line);
    }
    if (book.Errors.empty()) {
        tree.Write();
    }
    std::stable_sort(book.Errors.begin(), book.Errors.end(),
        [](const BookError& a, const BookError& b) { return a.Line < b.Line; });
    return book;
}

} // namespace book
