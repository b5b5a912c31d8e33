#include "shipdata/NameSearch.h"

#include "toolkit/Cp932Bytes.h"

#include <algorithm>
#include <cstdint>

namespace shipdata {
namespace {

constexpr uint32_t None = UINT32_MAX;

// The names' trie with failure links. Edges live in one open-addressing table keyed by
// (node, byte), which keeps a trie over megabytes of names in a few flat arrays.
class Automaton {
public:
    explicit Automaton(const std::vector<std::string_view>& names)
    {
        NameNodes.assign(names.size(), None);
        std::size_t bytes = 0;
        for (std::string_view name : names)
            bytes += name.size();
        std::size_t size = 16;
        while (size < 2 * bytes)
            size *= 2;
        Keys.assign(size, EmptyKey);
        Targets.assign(size, 0);
        Mask = size - 1;
        Nodes.push_back({});
        for (std::size_t i = 0; i < names.size(); ++i)
            if (!names[i].empty())
                NameNodes[i] = Insert(names[i]);
        Link();
    }

    // The first line holding each node's name at a character start.
    std::vector<uint32_t> Scan(const std::vector<std::string_view>& lines)
    {
        std::vector<uint32_t> found(Nodes.size(), None);
        std::size_t pending = 0;
        for (const Node& n : Nodes)
            pending += n.Ends ? 1 : 0;
        std::vector<bool> starts;
        for (std::size_t j = 0; j < lines.size() && pending > 0; ++j) {
            const std::string_view line = lines[j];
            starts.assign(line.size(), false);
            for (std::size_t i = 0; i < line.size(); i += toolkit::IsCp932LeadByte(static_cast<unsigned char>(line[i])) ? 2 : 1)
                starts[i] = true;
            uint32_t state = 0;
            for (std::size_t pos = 0; pos < line.size(); ++pos) {
                const auto b = static_cast<unsigned char>(line[pos]);
                uint32_t next = Child(state, b);
                while (next == None && state != 0) {
                    state = Nodes[state].Fail;
                    next = Child(state, b);
                }
                state = next == None ? 0 : next;
                // Every name ending here, through the names that are suffixes of this one.
                for (uint32_t t = Pending(Nodes[state].Ends ? state : Nodes[state].Output, found); t != None;
                     t = Pending(Nodes[t].Output, found)) {
                    if (starts[pos + 1 - Nodes[t].Depth]) {
                        found[t] = static_cast<uint32_t>(j);
                        --pending;
                    }
                }
            }
        }
        return found;
    }

    const std::vector<uint32_t>& NodesOfNames() const { return NameNodes; }

private:
    struct Node {
        uint32_t Fail = 0;
        uint32_t Output = None; // nearest proper suffix that is a name
        uint32_t Depth = 0;
        uint32_t Parent = 0;
        unsigned char Byte = 0;
        bool Ends = false;
    };
    static constexpr uint64_t EmptyKey = UINT64_MAX;

    static uint64_t Key(uint32_t node, unsigned char b) { return (uint64_t{node} << 8) | b; }
    std::size_t SlotOf(uint64_t key) const
    {
        std::size_t i = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 20) & Mask;
        while (Keys[i] != EmptyKey && Keys[i] != key)
            i = (i + 1) & Mask;
        return i;
    }
    uint32_t Child(uint32_t node, unsigned char b) const
    {
        const std::size_t i = SlotOf(Key(node, b));
        return Keys[i] == EmptyKey ? None : Targets[i];
    }

    uint32_t Insert(std::string_view name)
    {
        uint32_t node = 0;
        for (char c : name) {
            const auto b = static_cast<unsigned char>(c);
            const std::size_t i = SlotOf(Key(node, b));
            if (Keys[i] == EmptyKey) {
                Keys[i] = Key(node, b);
                Targets[i] = static_cast<uint32_t>(Nodes.size());
                Nodes.push_back({0, None, Nodes[node].Depth + 1, node, b, false});
            }
            node = Targets[i];
        }
        Nodes[node].Ends = true;
        return node;
    }

    // Failure and output links, shallow nodes first: each needs its parent's and its
    // failure target's, both shallower.
    void Link()
    {
        std::vector<uint32_t> perDepth;
        for (const Node& n : Nodes) {
            if (n.Depth >= perDepth.size())
                perDepth.resize(n.Depth + 1, 0);
            ++perDepth[n.Depth];
        }
        std::vector<uint32_t> order(Nodes.size());
        std::vector<uint32_t> at(perDepth.size(), 0);
        for (std::size_t d = 1; d < perDepth.size(); ++d)
            at[d] = at[d - 1] + perDepth[d - 1];
        for (uint32_t v = 0; v < Nodes.size(); ++v)
            order[at[Nodes[v].Depth]++] = v;
        for (uint32_t v : order) {
            Node& n = Nodes[v];
            if (n.Depth <= 1)
                continue; // root and its children fail to the root
            uint32_t f = Nodes[n.Parent].Fail;
            uint32_t next = Child(f, n.Byte);
            while (next == None && f != 0) {
                f = Nodes[f].Fail;
                next = Child(f, n.Byte);
            }
            n.Fail = next == None ? 0 : next;
            n.Output = Nodes[n.Fail].Ends ? n.Fail : Nodes[n.Fail].Output;
        }
    }

    // The first node from `t` along the output links whose name is not found yet; found
    // ones are skipped for good by pointing past them.
    uint32_t Pending(uint32_t t, const std::vector<uint32_t>& found)
    {
        uint32_t u = t;
        while (u != None && found[u] != None)
            u = Nodes[u].Output;
        while (t != None && found[t] != None) {
            const uint32_t next = Nodes[t].Output;
            Nodes[t].Output = u;
            t = next;
        }
        return u;
    }

    std::vector<Node> Nodes;
    std::vector<uint64_t> Keys;
    std::vector<uint32_t> Targets;
    std::size_t Mask = 0;
    std::vector<uint32_t> NameNodes;
};

} // namespace

std::vector<std::optional<std::size_t>> FirstLinesContaining(const std::vector<std::string_view>& lines,
                                                             const std::vector<std::string_view>& names)
{
    std::vector<std::optional<std::size_t>> result(names.size());
    // A name longer than every line is found nowhere; leaving it out keeps the trie small.
    std::size_t longest = 0;
    for (std::string_view line : lines)
        longest = std::max(longest, line.size());
    std::vector<std::string_view> searched(names);
    for (std::string_view& name : searched)
        if (name.size() > longest)
            name = {};
    Automaton automaton(searched);
    const std::vector<uint32_t> found = automaton.Scan(lines);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (const uint32_t node = automaton.NodesOfNames()[i]; node != None && found[node] != None)
            result[i] = found[node];
    return result;
}

} // namespace shipdata
