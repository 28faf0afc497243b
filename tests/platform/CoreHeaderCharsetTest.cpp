// Core headers are included by both the Shift_JIS core and the UTF-8 window code, so a
// non-ASCII byte in their code (a Japanese literal) means different bytes on each side.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The code of a C++ source with its comments removed; literals are kept.
std::string CodeWithoutComments(const std::string& source) {
    std::string code;
    enum { Code, Line, Block, Literal } state = Code;
    char quote = 0;
    for (size_t i = 0; i < source.size(); ++i) {
        char c = source[i];
        char next = i + 1 < source.size() ? source[i + 1] : '\0';
        switch (state) {
            case Code:
                if (c == '/' && next == '/') {
                    state = Line;
                } else if (c == '/' && next == '*') {
                    state = Block;
                    ++i;
                } else {
                    if (c == '"' || c == '\'') {
                        state = Literal;
                        quote = c;
                    }
                    code += c;
                }
                break;
            case Line:
                if (c == '\n') {
                    state = Code;
                    code += c;
                }
                break;
            case Block:
                if (c == '*' && next == '/') {
                    state = Code;
                    ++i;
                }
                break;
            case Literal:
                code += c;
                if (c == '\\' && next != '\0') {
                    code += next;
                    ++i;
                } else if (c == quote || c == '\n') {
                    state = Code;
                }
                break;
        }
    }
    return code;
}

// "path:line" of every line of code holding a byte outside ASCII.
std::vector<std::string> NonAsciiLines(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string code = CodeWithoutComments(source);
    std::vector<std::string> found;
    int line = 1;
    for (char c : code) {
        if (c == '\n') ++line;
        if (static_cast<unsigned char>(c) >= 0x80) {
            std::string where = file.string() + ":" + std::to_string(line);
            if (found.empty() || found.back() != where) found.push_back(where);
        }
    }
    return found;
}

bool IsWindowCode(const fs::path& relative) {
    for (const auto& part : relative)
        if (part == "ui" || part == "widgets") return true;
    return false;
}

TEST(CoreHeaderCharsetTest, TheCommentStripperKeepsLiteralsAndDropsComments) {
    EXPECT_EQ("int a; \nchar b = '/';\n",
              CodeWithoutComments("int a; // x\nchar b = '/';/* y */\n"));
    EXPECT_EQ("s = \"// \\\" kept\";", CodeWithoutComments("s = \"// \\\" kept\";"));
}

TEST(CoreHeaderCharsetTest, NoCoreHeaderHoldsANonAsciiByteInItsCode) {
    fs::path source = KAGIROI_SOURCE_DIR;
    ASSERT_TRUE(fs::is_directory(source)) << source;
    int headers = 0;
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(source)) {
        if (entry.path().extension() != ".h" ||
            IsWindowCode(entry.path().lexically_relative(source)))
            continue;
        ++headers;
        for (const auto& where : NonAsciiLines(entry.path()))
            found.push_back(where);
    }
    EXPECT_GT(headers, 50);
    EXPECT_EQ(std::vector<std::string>{}, found)
        << "move these texts into a core .cpp and hand them out through a function";
}

}  // namespace
