#include "cli/CliCommandLine.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <memory>

namespace kagiroi {

namespace {

constexpr const char* kAbout = R"(kagiroi-cli: Kagiroi without its window.

It uses the same program folder, settings file (kagiroi.ini), day store and data service as the
desktop program; the folder is KAGIROI_HOME, or --home DIR, or the program's own folder.)";

constexpr const char* kFooter =
    "Messages the window would show in a box go to standard error. Exit status: 0 success, 1 a "
    "refused action or odds files that could not be read (their odds are blank), 2 wrong usage.";

// The options every command takes, before or after it.
struct ProgramOption {
    CliOption option;
    const char* help;
};
const ProgramOption kProgramOptions[] = {
    {{"--home", "DIR"}, "the program folder"},
    {{"--sjis"}, "print Shift_JIS bytes instead of UTF-8"},
    {{"--help"}, "this text"},
};

constexpr size_t kHelpWidth = 96;

// Words laid out in lines of at most kHelpWidth columns, the first after `indent` spaces and the
// others after `hanging`. The help is laid out in Shift_JIS, where a character takes as many
// columns on a terminal as it has bytes.
std::string Wrapped(const std::vector<std::string>& words, size_t indent, size_t hanging) {
    std::string text(indent, ' ');
    size_t column = indent;
    bool first = true;
    for (const std::string& word : words) {
        if (!first && column + 1 + word.size() > kHelpWidth) {
            text += "\n" + std::string(hanging, ' ');
            column = hanging;
        } else if (!first) {
            text += ' ';
            ++column;
        }
        text += word;
        column += word.size();
        first = false;
    }
    return text + "\n";
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    size_t start = 0;
    while (start < text.size()) {
        size_t space = text.find(' ', start);
        if (space == std::string::npos) space = text.size();
        if (space > start) words.push_back(text.substr(start, space - start));
        start = space + 1;
    }
    return words;
}

std::string OptionUsage(const CLI::Option& option) {
    std::string usage = option.get_name();
    if (option.get_items_expected_max() > 0) usage += " " + option.get_type_name();
    return usage;
}

// The help, from the declarations the command line is read with.
class Help : public CLI::FormatterBase {
  public:
    std::string make_help(const CLI::App* app, std::string, CLI::AppFormatMode) const override {
        std::string text = app->get_description() + "\n\nCommands:\n";
        auto shown = [](const CLI::App* command) { return !command->get_group().empty(); };
        for (const CLI::App* command : app->get_subcommands(shown)) {
            std::vector<std::string> usage = {command->get_name()};
            for (const CLI::Option* option : command->get_options()) {
                if (option->get_positional()) {
                    for (const std::string& word : Words(option->get_type_name()))
                        usage.push_back(word);
                } else {
                    usage.push_back("[" + OptionUsage(*option) + "]");
                }
            }
            text += Wrapped(usage, 2, 8) + Wrapped(Words(command->get_description()), 6, 6);
        }
        text += "\nOptions for every command:\n";
        for (const CLI::Option* option : app->get_options())
            text += "  " + OptionUsage(*option) + "  " + option->get_description() + "\n";
        return text + "\n" + Wrapped(Words(app->get_footer()), 0, 0);
    }
};

CLI::Option* Declare(CLI::App& app, const CliOption& declared) {
    if (!declared.value) return app.add_flag(declared.name);
    CLI::Option* option = app.add_option(declared.name)->type_name(declared.value);
    // Given twice, the last value counts, as a window's box keeps the last text typed in it.
    return option->multi_option_policy(declared.repeated ? CLI::MultiOptionPolicy::TakeAll
                                                         : CLI::MultiOptionPolicy::TakeLast);
}

void Collect(const CLI::App& app, CliOptions& options) {
    for (const CLI::Option* option : app.get_options()) {
        if (option->count() == 0 || option->get_positional()) continue;
        const std::string name = option->get_name();
        if (option->get_items_expected_max() == 0) {
            options.flags.push_back(name);
        } else if (option->get_multi_option_policy() == CLI::MultiOptionPolicy::TakeAll) {
            for (const std::string& value : option->results())
                options.repeated.emplace_back(name, value);
        } else {
            options.values[name] = option->results().back();
        }
    }
}

bool TakesOption(const CliCommand& command, const std::string& name) {
    return std::any_of(command.options.begin(), command.options.end(),
                       [&](const CliOption& option) { return name == option.name; });
}

// What is wrong with a word the command line did not take: an option no command or not this
// one takes, a command that is none, or an argument of a command that takes none.
void RefuseExtra(const std::vector<CliCommand>& commands, const std::string& extra,
                 CliCommandLine& line) {
    // "-5" is no option: CLI11 leaves a negative number to the arguments, as a ledger's recovery.
    bool option =
        extra.size() > 1 && extra[0] == '-' && !std::isdigit(static_cast<unsigned char>(extra[1]));
    line.withHelp = option || !line.command;
    const std::string name = extra.substr(0, extra.find('='));  // --name=value
    if (!option) {
        line.usage = line.command
                         ? std::string(line.command->name) + " takes no arguments: " + extra
                         : "unknown command: " + extra;
    } else if (line.command && TakesOption(*line.command, name)) {
        line.usage = "give " + name + " after the command";
    } else if (line.command &&
               std::any_of(commands.begin(), commands.end(),
                           [&](const CliCommand& c) { return TakesOption(c, name); })) {
        line.usage = std::string(line.command->name) + " does not take " + name;
    } else {
        line.usage = "unknown option: " + extra;
    }
    line.command = nullptr;
}

// The program's options and its commands as CLI11 reads them; the positional arguments of the
// command given go to `arguments`.
std::unique_ptr<CLI::App> DeclareCommands(const std::vector<CliCommand>& commands,
                                          std::vector<std::string>& arguments) {
    auto app = std::make_unique<CLI::App>(kAbout, "kagiroi-cli");
    app->set_help_flag();  // --help is an option of the program's own, printing the whole help
    app->formatter(std::make_shared<Help>());
    app->footer(kFooter);
    // Words the program does not know are kept to be named in its own usage message.
    app->allow_extras();
    // Options are --name on every system: a folder given as /x on Windows stays an argument.
    app->allow_windows_style_options(false);
    // A command's arguments may be the name of another command ("settings source demo").
    app->require_subcommand(0, 1);
    for (const ProgramOption& program : kProgramOptions)
        Declare(*app, program.option)->description(program.help);
    for (const CliCommand& command : commands) {
        CLI::App* declared = app->add_subcommand(command.name, command.help);
        declared->fallthrough();  // the program's options may follow the command
        if (command.arguments)
            declared->add_option("arguments", arguments)->type_name(command.arguments);
        for (const CliOption& option : command.options)
            Declare(*declared, option);
    }
    app->add_subcommand("help")->group("");
    return app;
}

}  // namespace

CliCommandLine ReadCommandLine(const std::vector<CliCommand>& commands,
                               const std::vector<std::string>& args) {
    CliCommandLine line;
    std::unique_ptr<CLI::App> declared = DeclareCommands(commands, line.options.arguments);
    CLI::App& app = *declared;
    line.helpText = app.help();

    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError&) {
        // An option that takes a value was the last word: nothing was left for its value.
        std::string option = args.empty() ? "" : args.back().substr(0, args.back().find('='));
        line.usage = option + " needs a value";
        line.withHelp = true;
    }
    std::vector<CLI::App*> given = app.get_subcommands();
    const std::string name = given.empty() ? "" : given.front()->get_name();
    line.help = app.get_option("--help")->count() > 0 || name == "help";
    if (line.help || !line.usage.empty()) return line;
    for (const CliCommand& command : commands)
        if (name == command.name) line.command = &command;
    std::vector<std::string> extras = app.remaining();
    if (!extras.empty()) {
        RefuseExtra(commands, extras.front(), line);
        return line;
    }
    if (!line.command) {
        line.withHelp = true;  // no command at all
        return line;
    }
    line.options.command = name;
    Collect(app, line.options);
    Collect(*given.front(), line.options);
    return line;
}

}  // namespace kagiroi
