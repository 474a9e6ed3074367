#include "dvk/dvkcli.h"

#include <exception>
#include <string_view>

#include "dvk/commands.h"
#include "etc/drevak/drevakexception.h"

namespace dvk {

namespace {

constexpr std::string_view USAGE =
    "usage: dvk COMMAND ARGUMENTS\n"
    "  dvk fmt FILE                 write the file as saving it would (to standard output)\n"
    "  dvk check FILE...            list the lines that reading drops, with their reasons\n"
    "  dvk get FILE ADDRESS         print the value at ADDRESS, e.g. :5 or \\text\n"
    "  dvk set FILE ADDRESS VALUE   store VALUE (type character and value text, e.g. :5,\n"
    "                               \\text, $a<TAB>b) at ADDRESS and save; a missing FILE\n"
    "                               is created, a file with lines that check lists is\n"
    "                               left alone\n"
    "  dvk --version                print the tool's version\n"
    "exit codes: 0 done, 1 failed, 2 bad usage\n";

struct Command {
    std::string_view name;
    std::size_t minArgs;
    std::size_t maxArgs;
    int (*run)(Arguments, std::ostream&, std::ostream&);
};

constexpr std::size_t UNLIMITED = static_cast<std::size_t>(-1);

constexpr Command COMMANDS[] = {
    {"fmt", 1, 1, fmtCommand},
    {"check", 1, UNLIMITED, checkCommand},
    {"get", 2, 2, getCommand},
    {"set", 3, 3, setCommand},
};

const Command* findCommand(std::string_view name) {
    for (const Command& command : COMMANDS) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

int dispatch(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        out << USAGE;
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        out << "dvk " TAVRIN_VERSION "\n";
        return 0;
    }
    const Command* command = args.empty() ? nullptr : findCommand(args[0]);
    if (command == nullptr) {
        if (!args.empty()) {
            err << "dvk: unknown command: " << args[0] << '\n';
        }
        err << USAGE;
        return 2;
    }
    const Arguments rest = args.subspan(1);
    if (rest.size() < command->minArgs || rest.size() > command->maxArgs) {
        err << "dvk " << command->name << ": wrong number of arguments\n" << USAGE;
        return 2;
    }
    return command->run(rest, out, err);
}

} // namespace

int runDvk(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    try {
        return dispatch(args, out, err);
    } catch (const drevak::DrevakException& e) {
        err << "dvk: " << e.text() << '\n';
    } catch (const std::exception& e) {
        // ToolError and FileError carry their whole message; anything else is ours to fix.
        err << "dvk: " << e.what() << '\n';
    } catch (...) {
        err << "dvk: unexpected failure\n";
    }
    return 1;
}

} // namespace dvk
