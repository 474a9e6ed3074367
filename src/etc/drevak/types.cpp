#include "etc/drevak/types.h"

namespace drevak {

std::string_view FileToString(HAGATA type) {
    switch (type) {
    case HAGATA::Integer:
        return "Integer";
    case HAGATA::TSV_Integer:
        return "Integer[]";
    case HAGATA::real:
        return "real";
    case HAGATA::TSV_real:
        return "real[]";
    case HAGATA::string:
        return "string";
    case HAGATA::TSV_string:
        return "string[]";
    case HAGATA::Binary:
        return "Binary";
    case HAGATA::TSV_Binary:
        return "Binary[]";
    }
    // Only a value cast from a character that is not a type character gets here.
    return {};
}

int typeOrder(char typeChar) {
    switch (typeChar) {
    case ':':
        return 0;
    case '*':
        return 1;
    case '\\':
        return 2;
    case '?':
        return 3;
    case '=':
        return 4;
    case '@':
        return 5;
    case '$':
        return 6;
    case '!':
        return 7;
    default:
        return -1;
    }
}

} // namespace drevak
