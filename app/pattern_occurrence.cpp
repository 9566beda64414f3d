#include "app/pattern_occurrence.h"

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace quorvin {

namespace {

using NodeIndex = std::int32_t;
constexpr NodeIndex kNone = -1;
constexpr NodeIndex kRoot = 0;

// A node of the trie of all patterns: the text from the root to it is a
// prefix of some pattern. Its children hang off it as a list, which stays
// short in paths.
struct Node {
  NodeIndex firstChild = kNone;
  NodeIndex nextSibling = kNone;
  // The node of the longest proper suffix of this node's text that is in
  // the trie: where reading goes on when the next character has no child.
  NodeIndex fail = kRoot;
  // The nearest node down the fail chain, this one left out, where a
  // pattern ends: every pattern that ends in this node's text.
  NodeIndex nextEnd = kNone;
  unsigned char label = 0;
  bool ends = false;  // a pattern ends here
  bool seen = false;  // it ends here, and a text read holds it
};

class Automaton {
 public:
  explicit Automaton(std::span<const std::string_view> patterns) {
    nodes_.emplace_back();
    ends_.reserve(patterns.size());
    for (const std::string_view pattern : patterns) {
      NodeIndex node = kRoot;
      for (const char c : pattern) {
        const auto byte = static_cast<unsigned char>(c);
        const NodeIndex next = child(node, byte);
        node = next != kNone ? next : addChild(node, byte);
      }
      nodes_[static_cast<std::size_t>(node)].ends = true;
      ends_.push_back(node);
    }
    link();
  }

  void read(std::string_view text) {
    NodeIndex state = kRoot;
    mark(state);  // the empty pattern
    for (const char c : text) {
      const auto byte = static_cast<unsigned char>(c);
      NodeIndex next = child(state, byte);
      while (next == kNone && state != kRoot) {
        state = at(state).fail;
        next = child(state, byte);
      }
      state = next != kNone ? next : kRoot;
      mark(state);
    }
  }

  bool seen(std::size_t pattern) const { return at(ends_[pattern]).seen; }

 private:
  Node& at(NodeIndex node) { return nodes_[static_cast<std::size_t>(node)]; }
  const Node& at(NodeIndex node) const { return nodes_[static_cast<std::size_t>(node)]; }

  NodeIndex child(NodeIndex node, unsigned char label) const {
    for (NodeIndex c = at(node).firstChild; c != kNone; c = at(c).nextSibling)
      if (at(c).label == label) return c;
    return kNone;
  }

  NodeIndex addChild(NodeIndex parent, unsigned char label) {
    if (nodes_.size() >= static_cast<std::size_t>(std::numeric_limits<NodeIndex>::max()))
      throw std::length_error("too many directories to look for");
    const auto node = static_cast<NodeIndex>(nodes_.size());
    Node added;
    added.label = label;
    added.nextSibling = at(parent).firstChild;
    nodes_.push_back(added);
    at(parent).firstChild = node;
    return node;
  }

  // The fail and end links, breadth first: a node's links need those of
  // the shallower nodes only.
  void link() {
    std::vector<NodeIndex> queue{kRoot};
    for (std::size_t head = 0; head < queue.size(); ++head) {
      const NodeIndex parent = queue[head];
      for (NodeIndex node = at(parent).firstChild; node != kNone; node = at(node).nextSibling) {
        NodeIndex fail = kRoot;
        if (parent != kRoot) {
          NodeIndex suffix = at(parent).fail;
          NodeIndex next = child(suffix, at(node).label);
          while (next == kNone && suffix != kRoot) {
            suffix = at(suffix).fail;
            next = child(suffix, at(node).label);
          }
          if (next != kNone) fail = next;
        }
        at(node).fail = fail;
        at(node).nextEnd = at(fail).ends ? fail : at(fail).nextEnd;
        queue.push_back(node);
      }
    }
  }

  // Every pattern that ends in the text read up to node lies in a text.
  // A node seen already had its whole chain marked then: each is marked once.
  void mark(NodeIndex node) {
    for (NodeIndex end = at(node).ends ? node : at(node).nextEnd; end != kNone && !at(end).seen;
         end = at(end).nextEnd)
      at(end).seen = true;
  }

  std::vector<Node> nodes_;
  std::vector<NodeIndex> ends_;  // the node each pattern ends at
};

}  // namespace

std::vector<bool> PatternsOccurring(std::span<const std::string_view> patterns,
                                    std::span<const std::string> texts) {
  Automaton automaton(patterns);
  for (const std::string& text : texts) automaton.read(text);
  std::vector<bool> occurring(patterns.size());
  for (std::size_t i = 0; i < patterns.size(); ++i) occurring[i] = automaton.seen(i);
  return occurring;
}

}  // namespace quorvin
