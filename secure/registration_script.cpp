#include "secure/registration_script.h"

#include <cctype>

namespace kivet::secure {
namespace {

// Splits the script into words, quoted texts and the punctuation { } =.
class Tokenizer {
public:
    explicit Tokenizer(std::string_view text) : text_(text) {}

    enum class Kind { End, Word, Text, Open, Close, Equals, Bad };
    struct Token {
        Kind kind = Kind::End;
        std::string value;
        std::size_t line = 1;
    };

    Token Next()
    {
        SkipSpace();
        Token t;
        t.line = line_;
        if (pos_ >= text_.size()) return t;
        char c = text_[pos_];
        if (c == '{' && StartsGuid()) return Guid(t);
        if (c == '{' || c == '}' || c == '=') {
            ++pos_;
            t.kind = c == '{' ? Kind::Open : (c == '}' ? Kind::Close : Kind::Equals);
            return t;
        }
        if (c == '\'') return Quoted(t);
        while (pos_ < text_.size() && !IsSpace(text_[pos_]) && text_[pos_] != '{' && text_[pos_] != '}' &&
               text_[pos_] != '=' && text_[pos_] != '\'')
            t.value.push_back(text_[pos_++]);
        t.kind = Kind::Word;
        return t;
    }

private:
    static bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

    // A class or library identifier such as {35B2C97E-...} is a name, not a brace.
    bool StartsGuid() const
    {
        if (pos_ + 9 >= text_.size()) return false;
        for (std::size_t i = 1; i <= 8; ++i)
            if (!std::isxdigit(static_cast<unsigned char>(text_[pos_ + i]))) return false;
        return text_[pos_ + 9] == '-';
    }

    Token Guid(Token t)
    {
        std::size_t close = text_.find('}', pos_);
        if (close == std::string_view::npos) {
            t.kind = Kind::Bad;
            t.value = "unterminated identifier";
            return t;
        }
        t.value = std::string(text_.substr(pos_, close + 1 - pos_));
        t.kind = Kind::Word;
        pos_ = close + 1;
        return t;
    }

    void SkipSpace()
    {
        while (pos_ < text_.size() && IsSpace(text_[pos_])) {
            if (text_[pos_] == '\n') ++line_;
            ++pos_;
        }
    }

    // 'text' with '' standing for one quote.
    Token Quoted(Token t)
    {
        ++pos_;
        for (;;) {
            if (pos_ >= text_.size() || text_[pos_] == '\n') {
                t.kind = Kind::Bad;
                t.value = "unterminated text";
                return t;
            }
            char c = text_[pos_++];
            if (c == '\'') {
                if (pos_ < text_.size() && text_[pos_] == '\'') {
                    t.value.push_back('\'');
                    ++pos_;
                    continue;
                }
                t.kind = Kind::Text;
                return t;
            }
            t.value.push_back(c);
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
};

using Kind = Tokenizer::Kind;
constexpr int kMaxDepth = 32;

class Parser {
public:
    Parser(std::string_view text, const std::map<std::string, std::string>& subs, RegistrationPlan& plan,
           ScriptError& error)
        : tokens_(text), subs_(subs), plan_(plan), error_(error)
    {
        Advance();
    }

    bool ParseRoot()
    {
        if (current_.kind != Kind::Word || current_.value != "HKCR") return Fail("the script must start with HKCR");
        Advance();
        if (!Expect(Kind::Open, "'{' after HKCR")) return false;
        if (!ParseBody("", false, 1)) return false;
        if (current_.kind != Kind::End) return Fail("text after the end of the script");
        return true;
    }

private:
    void Advance() { current_ = tokens_.Next(); }

    bool Fail(const std::string& message)
    {
        error_.line = current_.line;
        error_.message = current_.kind == Kind::Bad ? current_.value : message;
        return false;
    }

    bool Expect(Kind kind, const char* what)
    {
        if (current_.kind != kind) return Fail(std::string("expected ") + what);
        Advance();
        return true;
    }

    // Replaces every %NAME% with its substitution; an unknown name is an error.
    bool Substitute(const std::string& in, std::string& out)
    {
        out.clear();
        for (std::size_t i = 0; i < in.size(); ++i) {
            if (in[i] != '%') {
                out.push_back(in[i]);
                continue;
            }
            std::size_t end = in.find('%', i + 1);
            if (end == std::string::npos) return Fail("unmatched % in a text");
            auto it = subs_.find(in.substr(i + 1, end - i - 1));
            if (it == subs_.end()) return Fail("unknown substitution %" + in.substr(i + 1, end - i - 1) + "%");
            out += it->second;
            i = end;
        }
        return true;
    }

    // "= s 'text'", the current token being '='.
    bool ParseStringValue(std::string& data)
    {
        Advance();
        if (current_.kind != Kind::Word || current_.value != "s") return Fail("only string values (s) are supported");
        Advance();
        if (current_.kind != Kind::Text) return Fail("expected a quoted text");
        if (!Substitute(current_.value, data)) return false;
        Advance();
        return true;
    }

    bool ParseValue(const std::string& key)
    {
        Advance(); // "val"
        if (current_.kind != Kind::Word && current_.kind != Kind::Text) return Fail("expected a value name");
        ScriptValue v;
        v.key = key;
        v.name = current_.value;
        Advance();
        if (current_.kind != Kind::Equals) return Fail("expected '=' after the value name");
        if (!ParseStringValue(v.data)) return false;
        plan_.values.push_back(v);
        return true;
    }

    bool ParseKey(const std::string& parent, bool insideRemovable, int depth)
    {
        bool noRemove = false;
        if (current_.kind == Kind::Word && (current_.value == "NoRemove" || current_.value == "ForceRemove")) {
            noRemove = current_.value == "NoRemove";
            Advance();
        }
        if (current_.kind != Kind::Word && current_.kind != Kind::Text) return Fail("expected a key name");
        if (current_.value.empty()) return Fail("empty key name");
        std::string key = parent.empty() ? current_.value : parent + "\\" + current_.value;
        Advance();
        plan_.keys.push_back(key);
        bool removable = !noRemove;
        if (removable && !insideRemovable) plan_.removableKeys.push_back(key);
        if (current_.kind == Kind::Equals) {
            ScriptValue v;
            v.key = key;
            if (!ParseStringValue(v.data)) return false;
            plan_.values.push_back(v);
        }
        if (current_.kind != Kind::Open) return true;
        Advance();
        return ParseBody(key, insideRemovable || removable, depth + 1);
    }

    // Keys and values up to the closing brace.
    bool ParseBody(const std::string& key, bool insideRemovable, int depth)
    {
        if (depth > kMaxDepth) return Fail("keys nested too deeply");
        for (;;) {
            if (current_.kind == Kind::Close) {
                Advance();
                return true;
            }
            if (current_.kind == Kind::End) return Fail("missing '}'");
            if (current_.kind == Kind::Bad) return Fail("");
            bool ok = (current_.kind == Kind::Word && current_.value == "val")
                          ? (!key.empty() ? ParseValue(key) : Fail("a value needs a key"))
                          : ParseKey(key, insideRemovable, depth);
            if (!ok) return false;
        }
    }

    Tokenizer tokens_;
    Tokenizer::Token current_;
    const std::map<std::string, std::string>& subs_;
    RegistrationPlan& plan_;
    ScriptError& error_;
};

} // namespace

bool ParseRegistrationScript(std::string_view script, const std::map<std::string, std::string>& substitutions,
                             RegistrationPlan& plan, ScriptError& error)
{
    plan = RegistrationPlan{};
    error = ScriptError{};
    Parser parser(script, substitutions, plan, error);
    return parser.ParseRoot();
}

} // namespace kivet::secure
