#include "file/settingrules.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tavrin::file::rules {
namespace {

using drevak::Binary;
using drevak::Drevak;
using drevak::HAGATA;

bool holdsArray(const Drevak& node, HAGATA type, std::size_t least, std::size_t most) {
    return holds(node, type) && node.TSVLength() >= least && node.TSVLength() <= most;
}

struct Repair {
    Drevak& node;

    void operator()(const Range& rule) const {
        if (!holds(node, HAGATA::Integer) || node.GetInteger() < rule.min ||
            node.GetInteger() > rule.max) {
            node = rule.fallback;
        }
    }
    void operator()(Text) const {
        if (!holds(node, HAGATA::string)) {
            node = std::string();
        }
    }
    void operator()(Texts) const {
        if (!holds(node, HAGATA::TSV_string)) {
            node = std::vector<std::string>();
        }
    }
    void operator()(const IntegerPair& rule) const {
        if (!holdsArray(node, HAGATA::TSV_Integer, 2, 2)) {
            node = std::vector<Integer>{rule.first, rule.second};
        }
        const std::vector<Integer>& pair = node.GetIntegers();
        if (pair[0] < rule.floor || pair[1] < rule.floor) {
            node =
                std::vector<Integer>{std::max(pair[0], rule.floor), std::max(pair[1], rule.floor)};
        }
    }
    void operator()(const IntegerList& rule) const {
        if (!holdsArray(node, HAGATA::TSV_Integer, 2, std::numeric_limits<std::size_t>::max())) {
            node = std::vector<Integer>{rule.first, rule.second};
        }
    }
    void operator()(ColorPair) const {
        if (!holdsArray(node, HAGATA::TSV_Binary, 2, 2)) {
            node = std::vector<Binary>(2);
        }
    }
};

} // namespace

bool holds(const Drevak& node, HAGATA type) {
    return node.HaveFile() && node.FileType() == type;
}

void repair(Drevak& node, const Rule& rule) {
    std::visit(Repair{node}, rule);
}

} // namespace tavrin::file::rules
