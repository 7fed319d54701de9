// The character rules of UTF-8 held against the model on code points: seeded names of every
// script, with bytes that are no character, go through the program's byte-level functions and
// through the model, and the host's own converter (glibc's iconv, whose tables are not the
// program's) carries them between bytes and code points.
#ifndef _WIN32

#include "core/texts.h"
#include "format/name_ops.h"
#include "validate/result_checks.h"
#include "validate/validate_options.h"
#include "support/character_model.h"
#include "support/host_characters.h"
#include "support/memory_file_system.h"
#include "support/null_window.h"
#include "support/option_changes.h"

#include <gtest/gtest.h>
#include <iconv.h>
#include <cctype>
#include <cstdio>
#include <map>
#include <memory>
#include <random>

namespace tarnwick::testing {
namespace {

constexpr std::uint32_t noCharacter = CodePage::noCharacter;
constexpr char32_t markerBase = CharacterModel::markerBase;
constexpr std::size_t npos = std::string::npos; // the model's none too

// A code page as the program has it and as the host's converter tells it, a character at a time.
class Page {
public:
    explicit Page(const std::string& name)
        : utf8_(name == "UTF8"), decoder_(iconv_open("UTF-32LE", name.c_str()), iconv_close),
          encoder_(iconv_open(name.c_str(), "UTF-32LE"), iconv_close),
          model([](char32_t c) { return hostCharacters().isLetter(c); },
                [this](char32_t c) { return !encode(c).empty(); }) {
        // The characters to draw names from; a lead byte is no character alone but begins some.
        for (int b = 0x20; b < 0x100 && !utf8_; ++b) {
            const std::string one(1, static_cast<char>(b));
            if (decode(one) != noCharacter)
                singles.push_back(one);
            for (int t = 0x40; t < 0x100 && b >= 0x80 && decode(one) == noCharacter; ++t)
                if (decode(one + static_cast<char>(t)) != noCharacter)
                    lead_[b] = true, pairs.push_back(one + static_cast<char>(t));
        }
    }
    const CodePage& program() const { return utf8(); }
    // The code point of exactly these bytes as one character, or noCharacter.
    // A lone surrogate is the three bytes of its generalized form, which iconv refuses.
    std::uint32_t decode(const std::string& bytes) const {
        const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
        if (bytes.size() == 3 && byte(0) == 0xED && byte(1) >= 0xA0 && (byte(2) & 0xC0) == 0x80)
            return 0xD000 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
        const std::string code = convert(decoder_.get(), bytes);
        return code.size() == 4 ? (code[0] & 0xFF) | (code[1] & 0xFF) << 8 | (code[2] & 0xFF) << 16
                                : noCharacter;
    }
    // The bytes of a code point; none when the code page lacks it.
    std::string encode(char32_t code) const {
        if (code >= 0xD800 && code <= 0xDFFF)
            return {char(0xED), char(0x80 | (code >> 6 & 0x3F)), char(0x80 | (code & 0x3F))};
        auto [known, fresh] = encoded_.try_emplace(code);
        if (fresh)
            known->second =
                convert(encoder_.get(), {char(code), char(code >> 8), char(code >> 16), 0});
        return known->second;
    }
    // The characters of bytes: the shortest run that converts to one code point, else a marker
    // of one byte, or of two where a lead byte pairs with a byte from 0x40 up.
    Text toText(const std::string& bytes) const {
        Text text;
        for (std::size_t at = 0, size = 1; at < bytes.size(); at += size, size = 1) {
            std::uint32_t code = noCharacter;
            while (size <= 4 && at + size <= bytes.size() &&
                   (code = decode(bytes.substr(at, size))) == noCharacter)
                ++size;
            const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
            const bool pair = lead_[byte(at)] && at + 1 < bytes.size() && byte(at + 1) >= 0x40;
            if (code == noCharacter)
                code = markerBase + (pair ? byte(at) << 8 | byte(at + 1) : byte(at)),
                size = pair ? 2 : 1;
            text += static_cast<char32_t>(code);
        }
        return text;
    }
    std::string toBytes(const Text& text) const {
        std::string bytes;
        for (char32_t c : text)
            bytes += c < markerBase ? encode(c)
                     : c - markerBase > 0xFF
                         ? std::string{char((c - markerBase) >> 8), char(c - markerBase)}
                         : std::string(1, char(c - markerBase));
        return bytes;
    }
    bool roundTrips(const std::string& bytes) const { return toBytes(toText(bytes)) == bytes; }

private:
    static std::string convert(iconv_t cd, std::string in) {
        char out[8];
        char *from = in.data(), *to = out;
        std::size_t left = in.size(), room = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const bool whole = iconv(cd, &from, &left, &to, &room) != std::size_t(-1) && left == 0;
        return whole ? std::string(out, to) : "";
    }
    bool utf8_;
    std::unique_ptr<void, int (*)(iconv_t)> decoder_;
    std::unique_ptr<void, int (*)(iconv_t)> encoder_;
    std::array<bool, 256> lead_{};
    mutable std::map<char32_t, std::string> encoded_;

public:
    const CharacterModel model;
    std::vector<std::string> singles; // from 0x20 on
    std::vector<std::string> pairs;
};

// A text for the failure message in UTF-8, a marker as <its bytes in hex>.
std::string show(const Text& text) {
    static const Page utf8("UTF8");
    std::string shown = "'";
    for (char32_t c : text) {
        char marker[16];
        std::snprintf(marker, sizeof marker, "<%X>", static_cast<unsigned>(c - markerBase));
        shown += c < markerBase ? utf8.encode(c) : marker;
    }
    return shown + "'";
}

// Seeded texts of a few characters drawn afresh for each case, so that searches find something:
// ASCII, umlauts, any character of the code page, bytes that are none, a character and its last
// byte.
class Texts {
public:
    Texts(const Page& page, unsigned seed) : page_(page), random_(seed) {}
    void newCharacters() {
        characters_.clear();
        for (std::size_t count = number(2, 5); count > 0; --count) {
            const std::size_t kind = number(0, 9);
            characters_.push_back(kind < 3    ? std::string(1, char(number(0x20, 0x7E)))
                                  : kind == 3 ? page_.encode(U"ÄÖÜäöü"[number(0, 5)])
                                  : kind == 4 ? std::string(1, char(number(0x80, 0xFF)))
                                              : any());
            if (kind == 5 || kind == 6)
                characters_.push_back(characters_.back().substr(characters_.back().size() - 1));
        }
    }
    // Of the characters drawn, with dots; drawn again when the host would not give the bytes back.
    std::string text(std::size_t fewest, std::size_t most) {
        std::string text;
        do {
            text.clear();
            for (std::size_t count = number(fewest, most); count > 0; --count)
                text += number(0, 7) == 0 ? "." : characters_[number(0, characters_.size() - 1)];
        } while (!page_.roundTrips(text));
        return text;
    }
    // A search text: a piece of the name, cut anywhere, or a text of its own.
    std::string searchText(const std::string& name) {
        const std::string piece = name.substr(number(0, name.size()), number(1, 6));
        return number(0, 2) == 0 && !piece.empty() && page_.roundTrips(piece) ? piece : text(1, 3);
    }
    // A folder with its closing backslash, a short one of a few characters too.
    std::string folder() {
        std::string folder;
        do {
            folder = number(0, 2) == 0 ? text(0, 3) : number(0, 1) ? "C:\\" : "\\\\s/";
            for (std::size_t parts = folder.size() < 4 ? 0 : number(1, 2); parts > 0; --parts)
                folder += text(1, 5) + (number(0, 3) == 0 ? "/" : "\\");
            do
                folder += "\\";
            while (!CharacterModel::endsWith(page_.toText(folder), U'\\'));
        } while (!page_.roundTrips(folder));
        return folder;
    }
    std::size_t number(std::size_t low, std::size_t high) {
        return std::uniform_int_distribution<std::size_t>(low, high)(random_);
    }

private:
    // Any character of the code page; in UTF-8 of blocks of many scripts and at ends of byte
    // ranges.
    std::string any() {
        static const std::pair<char32_t, char32_t> blocks[] = {
            {0x80, 0x24F},      {0x370, 0x52F},     {0x590, 0x6FF},     {0x7F0, 0x80F},
            {0x900, 0xDFF},     {0x1E00, 0x1FFF},   {0x3040, 0x30FF},   {0x4E00, 0x9FFF},
            {0xAC00, 0xDFFF},   {0xE000, 0xE00F},   {0xF900, 0xFFFF},   {0xFF00, 0xFFEF},
            {0x10000, 0x1FFFF}, {0x1F300, 0x1FAFF}, {0x20000, 0x2FFFF}, {0x10FFF0, 0x10FFFF}};
        const auto& block = blocks[number(0, std::size(blocks) - 1)];
        if (page_.singles.empty()) // UTF-8
            return page_.encode(static_cast<char32_t>(number(block.first, block.second)));
        const auto& from = number(0, 2) == 0 || page_.pairs.empty() ? page_.singles : page_.pairs;
        return from[number(0, from.size() - 1)];
    }
    const Page& page_;
    std::mt19937 random_;
    std::vector<std::string> characters_;
};

class CharacterRules : public ::testing::TestWithParam<const char*> {};

// Every rule and operation on a few thousand names, up to the first difference.
TEST_P(CharacterRules, TheProgramGivesWhatTheModelGives) {
    const Page page(GetParam());
    const CodePage& program = page.program();
    const CharacterModel& model = page.model;
    MemoryFileSystem files(program);
    files.add("C:\\", {"Photos\\"});
    Texts draw(page, 2024);
    for (std::size_t round = 0; round < 2000; ++round) {
        draw.newCharacters();
        // Short names first, so that a difference shows on a short one; long ones later.
        const std::string name = draw.text(
            0, round > 500 && round % 10 == 0 ? 260 : 1 + std::min<std::size_t>(9, round / 50));
        const std::string find = draw.searchText(name);
        const std::string with = draw.text(0, 3);
        const std::string folder = draw.folder();
        const int n = static_cast<int>(draw.number(0, 15)) - 1;
        const Text N = page.toText(name), F = page.toText(find), W = page.toText(with),
                   D = page.toText(folder);
        // Another name: mostly this one in other letter case, by characters and by bytes.
        Text O = draw.number(0, 2) == 0 ? page.toText(draw.text(0, 10)) : N;
        for (char32_t& c : O)
            c = draw.number(0, 1) ? model.small(c) : model.capital(c);
        std::string other = page.toBytes(O);
        for (char& c : other)
            c ^= std::isalpha(static_cast<unsigned char>(c)) && draw.number(0, 3) == 0 ? 0x20 : 0;
        O = page.roundTrips(other) ? page.toText(other) : O;
        other = page.toBytes(O);

        // The program's answers and the model's, in bytes: an index as the text before it.
        const auto bytes = [&](const Text& text) { return page.toBytes(text); };
        const auto word = [](bool yes) { return std::string(yes ? "yes" : "no"); };
        const auto upTo = [&](auto at) { return at == npos ? "none" : name.substr(0, at); };
        const auto upToN = [&](auto at) { return at == npos ? "none" : bytes(N.substr(0, at)); };
        const auto after = [&](auto change) {
            std::string s = name;
            return change(s), s;
        };
        const auto cased = [&](int style) {
            return after([&](auto& s) { applyCase(s, style, program); });
        };
        std::string sizes, modelSizes;
        for (std::size_t at = 0; at < name.size(); at += program.charSize(name, at))
            sizes += std::to_string(program.charSize(name, at)) + " ";
        for (char32_t c : N)
            modelSizes += std::to_string(bytes(Text(1, c)).size()) + " ";
        const std::size_t k = model.position(N, n);
        const std::size_t from = model.position(N, n % 3);
        std::vector<std::array<std::string, 3>> results = {
            {"characters", sizes, modelSizes},
            {"length", std::to_string(program.length(name)), std::to_string(N.size())},
            {"advance", name.substr(0, program.advance(name, k)), bytes(N.substr(0, k))},
            {"find", upTo(program.find(name, find, bytes(N.substr(0, from)).size())),
             upToN(N.find(F, from))},
            {"last of", upTo(program.findLastOf(name, "\\/.", bytes(N.substr(0, k)).size())),
             upToN(model.lastOf(N, U"\\/.", k))},
            {"ends with", word(program.endsWith(name, '\\')), word(model.endsWith(N, U'\\'))},
            {"small", cased(smallLetters), bytes(model.toSmall(N))},
            {"capital", cased(capitalLetters), bytes(model.toCapital(N))},
            {"initials", cased(capitalInitials), bytes(model.toCapitalInitials(N))},
            {"insert", after([&](auto& s) { applyInsert(s, with, n, program); }),
             bytes(model.insert(N, W, n))},
            {"replace first", after([&](auto& s) { applyReplace(s, find, with, true, program); }),
             bytes(model.replace(N, F, W, true))},
            {"replace all", after([&](auto& s) { applyReplace(s, find, with, false, program); }),
             bytes(model.replace(N, F, W, false))},
            {"swap", after([&](auto& s) { applySwap(s, find, program); }), bytes(model.swap(N, F))},
            {"erase", after([&](auto& s) { applyErase(s, find, program); }),
             bytes(model.erase(N, F))},
            {"folder prefix", after([&](auto& s) { applyFolderPrefix(s, folder, with, program); }),
             bytes(model.folderPrefix(N, D, W))},
        };
        // The checks of the new names: empty or too long, and twice the same in a folder.
        NullWindow window;
        checkEmptyOrLongNames({{folder, "a", name}}, window);
        results.push_back({"long name", word(!window.lastError.empty()), word(model.refused(N))});
        window.lastError.clear();
        checkIdenticalNames({{folder, "a", name}, {folder, "b", other}}, window, program);
        results.push_back(
            {"same name", word(!window.lastError.empty()), word(model.sameName(N, O))});
        // The option checks of every text field, given the search text.
        const std::string nameHead = std::string(texts::nameInvalid).substr(0, 40);
        const std::tuple<const char*, changes::Change, std::string, const Text&> fields[] = {
            {"mask check", changes::mask(find.c_str()), texts::maskInvalid, model.maskSet},
            {"list check", changes::list(find.c_str()), texts::listInvalid, model.listSet},
            {"separator check", changes::separator(find.c_str()), nameHead, model.nameSet},
            {"replace check", changes::replace(find.c_str()), nameHead, model.nameSet},
            {"replace-with check", changes::replace("x", find.c_str()), nameHead, model.nameSet},
            {"swap check", changes::swap(find.c_str()), nameHead, model.nameSet},
            {"insert check", changes::insert(find.c_str()), nameHead, model.nameSet},
            {"erase check", changes::erase(find.c_str()), nameHead, model.nameSet},
        };
        for (const auto& [what, change, message, refused] : fields) {
            Options options;
            options.pathSpec = "C:\\Photos";
            change(options);
            RunState state;
            window.lastError.clear();
            validateOptions(options, window, files, state);
            results.push_back({what, word(window.lastError.rfind(message, 0) == 0),
                               word(model.holdsAny(F, refused))});
        }
        for (const auto& [what, got, want] : results)
            if (got != want)
                FAIL() << GetParam() << " " << what << ": name " << show(N) << ", text " << show(F)
                       << ", with " << show(W) << ", folder " << show(D) << ", at " << n
                       << ", other name " << show(O) << ": the program gives "
                       << show(page.toText(got)) << ", the model " << show(page.toText(want));
    }
}

INSTANTIATE_TEST_SUITE_P(CodePages, CharacterRules, ::testing::Values("UTF8"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
} // namespace tarnwick::testing

#endif
