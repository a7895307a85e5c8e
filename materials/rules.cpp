#include "materials/rules.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <system_error>

namespace materials {

namespace {

enum class TokenType { Number, Word, Range, Comma, End };

struct Token {
    TokenType type = TokenType::End;
    std::string text;
    double number = 0.0;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Splits one line (its comment already cut) into tokens. Numbers are
// scanned here rather than left to a number reader, so that "650..750" and
// "650m" split where a reader would run on; a unit may touch its number.
Status Tokenize(std::string_view line, std::vector<Token>& tokens, std::string& bad) {
    tokens.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == ',') {
            tokens.push_back({TokenType::Comma, ",", 0.0});
            ++i;
        } else if (c == '.' && i + 1 < line.size() && line[i + 1] == '.') {
            tokens.push_back({TokenType::Range, "..", 0.0});
            i += 2;
        } else if (IsDigit(c) || ((c == '-' || c == '+' || c == '.') && i + 1 < line.size() &&
                                  (IsDigit(line[i + 1]) || line[i + 1] == '.'))) {
            std::size_t end = i + ((c == '-' || c == '+') ? 1 : 0);
            while (end < line.size() && IsDigit(line[end])) ++end;
            if (end + 1 < line.size() && line[end] == '.' && IsDigit(line[end + 1])) {
                ++end;
                while (end < line.size() && IsDigit(line[end])) ++end;
            }
            // from_chars takes no leading '+'.
            const std::size_t from = c == '+' ? i + 1 : i;
            Token token{TokenType::Number, std::string(line.substr(i, end - i)), 0.0};
            const auto [rest, error] =
                std::from_chars(line.data() + from, line.data() + end, token.number);
            if (error != std::errc() || rest != line.data() + end || !std::isfinite(token.number)) {
                bad = token.text;
                return Status::Failure("a number");
            }
            tokens.push_back(std::move(token));
            i = end;
        } else if (IsLetter(c)) {
            std::size_t end = i;
            while (end < line.size() && IsLetter(line[end])) ++end;
            tokens.push_back({TokenType::Word, std::string(line.substr(i, end - i)), 0.0});
            i = end;
        } else if (static_cast<unsigned char>(c) == 0xC2 && i + 1 < line.size() &&
                   static_cast<unsigned char>(line[i + 1]) == 0xB0) {
            // The degree sign in UTF-8 stands for "deg".
            tokens.push_back({TokenType::Word, "deg", 0.0});
            i += 2;
        } else {
            bad = std::string(1, c);
            return Status::Failure("a character");
        }
    }
    tokens.push_back({TokenType::End, "", 0.0});
    return Status();
}

// As short as it reads back, locale-free, and never with an exponent, which
// the rules do not take (a finite double has at most 309 digits before the
// point and 1074 after it).
std::string NumberText(double value) {
    char text[1100];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return std::string(text, result.ptr);
}

const char* Example(RuleKind kind) {
    return kind == RuleKind::High ? "\"high 650 m .. 750 m\" or \"high 0 at 40 m, 1 at 60 m\""
                                  : "\"steep 30 deg .. 40 deg\" or \"steep 0 at 30 deg, 1 at 40 deg\"";
}

// Reads the tokens of one rule line after its first word.
class RuleReader {
public:
    RuleReader(const std::vector<Token>& tokens, RuleKind kind)
        : tokens_(tokens), kind_(kind), at_(1) {}

    // Empty on success; else what was expected, for the message.
    std::string Read(Rule& rule) {
        rule.kind = kind_;
        rule.points.clear();
        double first = 0.0;
        if (!TakeNumber(first)) return Expected("a share from 0 to 1 or a " + Quantity());
        if (Peek().type == TokenType::End) {
            if (!IsShare(first)) return ShareOutOfRange(first);
            rule.points.push_back({0.0, first});
            return {};
        }
        if (IsWord("at")) return ReadPoints(first, rule);
        if (Peek().type == TokenType::Comma && tokens_[at_ + 1].type == TokenType::Number) {
            return "a decimal point, found a comma (write \"0.5\", not \"0,5\")";
        }
        // A band: "A unit .. B unit".
        if (std::string unit = Unit(); !unit.empty()) return unit;
        if (Peek().type != TokenType::Range) return Expected("\"..\" and the " + Quantity() +
                                                             " where the band ends");
        ++at_;
        double last = 0.0;
        if (!TakeNumber(last)) return Expected("the " + Quantity() + " where the band ends");
        if (std::string unit = Unit(); !unit.empty()) return unit;
        if (Peek().type != TokenType::End) return Expected("the end of the line");
        if (last < first) {
            return std::string("a band from the lower ") + Quantity() + " to the higher (" +
                   NumberText(first) + " is above " + NumberText(last) +
                   "); for less " + RuleName(kind_) + " ground further up write points, as in \"" +
                   RuleName(kind_) + " 1 at " + NumberText(last) + " " + RuleUnit(kind_) + ", 0 at " +
                   NumberText(first) + " " + RuleUnit(kind_) + "\"";
        }
        rule.points.push_back({first, 0.0});
        rule.points.push_back({last, 1.0});
        return {};
    }

private:
    std::string ReadPoints(double share, Rule& rule) {
        for (;;) {
            if (!IsShare(share)) return ShareOutOfRange(share);
            ++at_;  // "at"
            double position = 0.0;
            if (!TakeNumber(position)) return Expected("the " + Quantity() + " after \"at\"");
            if (std::string unit = Unit(); !unit.empty()) return unit;
            if (!rule.points.empty() && position < rule.points.back().at) {
                return "points in rising order of " + Quantity() + " (" + NumberText(position) +
                       " " + RuleUnit(kind_) + " comes after " + NumberText(rule.points.back().at) +
                       " " + RuleUnit(kind_) + ")";
            }
            rule.points.push_back({position, share});
            if (Peek().type == TokenType::End) return {};
            if (Peek().type != TokenType::Comma) return Expected("\",\" and another point");
            ++at_;
            if (!TakeNumber(share)) return Expected("a share from 0 to 1 after \",\"");
            if (!IsWord("at")) return Expected("\"at\" after the share");
        }
    }

    const Token& Peek() const { return tokens_[at_]; }
    bool IsWord(const char* word) const {
        return Peek().type == TokenType::Word && Peek().text == word;
    }
    bool TakeNumber(double& value) {
        if (Peek().type != TokenType::Number) return false;
        value = Peek().number;
        ++at_;
        return true;
    }
    static bool IsShare(double value) { return value >= 0.0 && value <= 1.0; }

    std::string Quantity() const { return kind_ == RuleKind::High ? "height" : "slope"; }

    // Empty when the unit of this kind follows (and is taken).
    std::string Unit() {
        const char* unit = RuleUnit(kind_);
        if (Peek().type == TokenType::Word && Peek().text == unit) {
            ++at_;
            return {};
        }
        const std::string written = Found();
        return std::string("the unit \"") + unit + "\" after the " + Quantity() + ", found " +
               written + (kind_ == RuleKind::High ? " (heights are in metres)"
                                                  : " (slopes are in degrees, 0 level, 90 vertical)");
    }
    std::string Expected(const std::string& what) const {
        return what + ", found " + Found() + "; a rule reads like " + Example(kind_);
    }
    std::string ShareOutOfRange(double share) const {
        return "a share from 0 (none) to 1 (all), found " + NumberText(share);
    }
    std::string Found() const {
        return Peek().type == TokenType::End ? std::string("the end of the line")
                                             : "\"" + Peek().text + "\"";
    }

    const std::vector<Token>& tokens_;
    RuleKind kind_;
    std::size_t at_;
};

}  // namespace

const char* RuleUnit(RuleKind kind) { return kind == RuleKind::High ? "m" : "deg"; }
const char* RuleName(RuleKind kind) { return kind == RuleKind::High ? "high" : "steep"; }

double Rule::ShareAt(double at) const {
    if (points.empty()) return 0.0;
    if (at < points.front().at) return points.front().share;
    for (std::size_t i = points.size() - 1; i > 0; --i) {
        const RulePoint& from = points[i - 1];
        const RulePoint& to = points[i];
        if (at >= to.at) return to.share;
        if (at >= from.at) {
            // to.at > at >= from.at: the span is not empty.
            return from.share + (to.share - from.share) * ((at - from.at) / (to.at - from.at));
        }
    }
    return points.front().share;
}

Status ParseRules(std::string_view text, const std::string& name, MaterialRules& rules) {
    rules = MaterialRules();
    std::vector<Token> tokens;
    int number = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (const std::size_t hash = line.find('#'); hash != std::string_view::npos) {
            line = line.substr(0, hash);
        }
        auto failure = [&](const std::string& why) {
            return Status::Failure("ERROR: " + name + " line " + std::to_string(number) +
                                       ": expected " + why,
                                   2);
        };
        std::string bad;
        if (Status s = Tokenize(line, tokens, bad); !s.ok()) {
            return Status::Failure("ERROR: " + name + " line " + std::to_string(number) +
                                       ": cannot read " + s.message() + " \"" + bad +
                                       "\"; a rule reads like \"high 650 m .. 750 m\"",
                                   2);
        }
        if (tokens.front().type == TokenType::End) continue;
        const Token& first = tokens.front();
        std::optional<Rule>* slot = nullptr;
        RuleKind kind = RuleKind::High;
        if (first.type == TokenType::Word && first.text == "high") {
            slot = &rules.high;
        } else if (first.type == TokenType::Word && first.text == "steep") {
            slot = &rules.steep;
            kind = RuleKind::Steep;
        } else {
            return failure("\"high\" or \"steep\" at the start of a rule, found \"" + first.text +
                           "\"; rules read like \"high 650 m .. 750 m\" and \"steep 30 deg .. 40 "
                           "deg\"");
        }
        if (*slot) {
            return failure(std::string("one ") + RuleName(kind) + " rule, found a second (the first is on line " +
                           std::to_string((*slot)->line) + ")");
        }
        Rule rule;
        rule.line = number;
        if (std::string why = RuleReader(tokens, kind).Read(rule); !why.empty()) {
            return failure(why);
        }
        *slot = std::move(rule);
        if (end == text.size()) break;
    }
    return Status();
}

std::string FormatRule(const Rule& rule) {
    const auto number = NumberText;
    const std::string unit = RuleUnit(rule.kind);
    std::string line = RuleName(rule.kind);
    const auto& p = rule.points;
    // A constant reads "high 0"; one point written with its place keeps it.
    if (p.size() == 1 && p[0].at == 0.0) return line + " " + number(p[0].share);
    if (p.size() == 2 && p[0].share == 0.0 && p[1].share == 1.0) {
        return line + " " + number(p[0].at) + " " + unit + " .. " + number(p[1].at) + " " + unit;
    }
    for (std::size_t i = 0; i < p.size(); ++i) {
        line += (i == 0 ? " " : ", ") + number(p[i].share) + " at " + number(p[i].at) + " " + unit;
    }
    return line;
}

}  // namespace materials
