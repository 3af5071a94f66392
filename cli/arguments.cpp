#include "cli/arguments.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <tuple>

namespace lunisol::cli {

const Param kOutputOption{"-o", &kFileReader, "write the output to FILE, replacing it only once all of it is written"};
const Param kHelpOption{"--help", nullptr, "show this help"};

bool Args::Has(std::string_view name) const {
  return std::any_of(values_.begin(), values_.end(), [&](const auto& v) { return v.first == name; });
}

const Value& Args::operator[](std::string_view name) const {
  for (const auto& [n, v] : values_)
    if (n == name) return v;
  // A run function asking for what its row does not declare, or for an
  // optional argument without asking Has first.
  throw std::logic_error("no argument " + std::string(name));
}

std::vector<const Value*> Args::All(std::string_view name) const {
  std::vector<const Value*> all;
  for (const auto& [n, v] : values_)
    if (n == name) all.push_back(&v);
  return all;
}

namespace {

// The length of the UTF-8 sequence at the start of `text`, or 0 when it is
// not one (cut short, overlong, a surrogate, past U+10FFFF).
size_t SequenceLength(std::string_view text) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned lead = byte(0);
  if (lead < 0x80) return 1;
  const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || text.size() < length) return 0;
  for (size_t i = 1; i < length; ++i)
    if ((byte(i) & 0xC0) != 0x80) return 0;
  if (lead == 0xE0 && byte(1) < 0xA0) return 0;   // overlong
  if (lead == 0xED && byte(1) >= 0xA0) return 0;  // a surrogate
  if (lead == 0xF0 && byte(1) < 0x90) return 0;   // overlong
  if (lead == 0xF4 && byte(1) >= 0x90) return 0;  // past U+10FFFF
  return length;
}

}  // namespace

bool IsUtf8(std::string_view text) {
  while (!text.empty()) {
    const size_t n = SequenceLength(text);
    if (n == 0) return false;
    text.remove_prefix(n);
  }
  return true;
}

std::string Quoted(std::string_view word) {
  std::string quoted = "'";
  while (!word.empty()) {
    const size_t n = SequenceLength(word);
    const auto lead = static_cast<unsigned char>(word[0]);
    if (n == 0 || lead < 0x20 || lead == 0x7F) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", lead);
      quoted += hex;
      word.remove_prefix(1);
    } else {
      quoted += word.substr(0, n);
      word.remove_prefix(n);
    }
  }
  return quoted + "'";
}

namespace {

bool LooksLikeOption(std::string_view word) {
  return word.size() >= 2 && word[0] == '-' && !(word[1] >= '0' && word[1] <= '9');
}

bool IsLiteral(const Param& p) { return p.reader == nullptr; }

std::string Named(const Param& p, std::string_view word) { return std::string(p.name) + " " + Quoted(word); }

// The words of one command, read against its forms and options.
class WordReader {
 public:
  WordReader(std::span<const Form> forms, std::span<const Param> options, std::span<const std::string> words)
      : forms_(forms), options_(options), words_(words) {}

  Reading Read() {
    if (AsksForHelp())
      reading_.help = true;
    else if (ReadOptions() && ReadForm())
      CheckOrder();
    return std::move(reading_);
  }

 private:
  bool AsksForHelp() const {
    for (const std::string& w : words_) {
      if (w == "--") return false;
      if (w == "--help" || w == "-h") return true;
    }
    return false;
  }

  bool Fail(std::string problem) {
    reading_.problem = std::move(problem);
    return false;
  }

  bool IsLiteralWord(std::string_view word) const {
    for (const Form& f : forms_)
      for (const Param& p : f)
        if (IsLiteral(p) && p.name == word) return true;
    return false;
  }

  const Param* FindOption(std::string_view name) const {
    for (const Param& o : options_)
      if (o.name == name) return &o;
    return name == kOutputOption.name ? &kOutputOption : nullptr;
  }

  // One word read by its param's reader.
  bool ReadWord(const Param& p, std::string_view word) {
    Value value{std::string(word)};
    if (!p.reader->anyBytes && !IsUtf8(word)) return Fail(Named(p, word) + " is not valid UTF-8");
    if (!p.reader->read(word, value)) return Fail(Named(p, word) + " is not " + p.reader->Expects());
    reading_.args.Add(p.name, std::move(value));
    return true;
  }

  // Options wherever they stand; the other words are kept for the form.
  bool ReadOptions() {
    bool optionsEnded = false;
    for (size_t i = 0; i < words_.size(); ++i) {
      const std::string& w = words_[i];
      if (!optionsEnded && w == "--") {
        optionsEnded = true;
      } else if (optionsEnded || !LooksLikeOption(w) || IsLiteralWord(w)) {
        positional_.push_back(w);
      } else if (!ReadOption(i)) {
        return false;
      }
    }
    return true;
  }

  // The option at words_[i] ("--name VALUE" or "--name=VALUE"), moving i
  // past its value.
  bool ReadOption(size_t& i) {
    std::string_view name = words_[i], value;
    const size_t equals = name.find('=');
    const bool inlineValue = name.starts_with("--") && equals != std::string_view::npos;
    if (inlineValue) value = name.substr(equals + 1), name = name.substr(0, equals);
    const Param* o = FindOption(name);
    if (!o) return Fail("unknown option " + Quoted(name));
    if (!o->repeatable && reading_.args.Has(o->name)) return Fail(std::string(o->name) + " is given twice");
    if (!o->reader) {
      if (inlineValue) return Fail(std::string(o->name) + " takes no value");
      reading_.args.Add(o->name, {});
      return true;
    }
    if (!inlineValue) {
      if (i + 1 >= words_.size()) return Fail(std::string(o->name) + " needs " + o->reader->Expects());
      value = words_[++i];
    }
    return ReadWord(*o, value);
  }

  // The words match the form's literal words where they stand, and a literal
  // word stands nowhere else.
  bool MatchesLiterals(const Form& form) const {
    for (size_t k = 0; k < std::min(form.size(), positional_.size()); ++k) {
      const Param& p = form[k];
      if (IsLiteral(p) ? p.name != positional_[k] : IsLiteralWord(positional_[k])) return false;
    }
    return true;
  }

  static size_t Required(const Form& form) {
    return static_cast<size_t>(std::count_if(form.begin(), form.end(), [](const Param& p) { return !p.optional; }));
  }

  bool Fits(const Form& form) const {
    return positional_.size() >= Required(form) && positional_.size() <= form.size() && MatchesLiterals(form);
  }

  bool ReadForm() {
    const auto form = std::find_if(forms_.begin(), forms_.end(), [&](const Form& f) { return Fits(f); });
    if (form == forms_.end()) return WrongWords();
    form_ = &*form;
    for (size_t k = 0; k < positional_.size(); ++k) {
      const Param& p = (*form)[k];
      if (IsLiteral(p))
        reading_.args.Add(p.name, {std::string(positional_[k])});
      else if (!ReadWord(p, positional_[k]))
        return false;
    }
    return true;
  }

  // Too few words for any form whose literal words match, or too many:
  // names the first word missing or the first one too many.
  bool WrongWords() {
    reading_.wrongWords = true;
    const size_t n = positional_.size();
    const Form* longest = nullptr;
    for (const Form& f : forms_) {
      if (!MatchesLiterals(f)) continue;
      if (Required(f) > n) return Fail(std::string(f[n].name) + " is missing");
      if (!longest || f.size() > longest->size()) longest = &f;
    }
    size_t extra = 0;  // with no form to go by, the literal word out of place
    if (longest)
      extra = longest->size();
    else
      while (extra + 1 < n && !IsLiteralWord(positional_[extra])) ++extra;
    return Fail("unexpected word " + Quoted(positional_[extra]));
  }

  void CheckOrder() {
    std::vector<const Param*> params;
    for (const Param& p : *form_) params.push_back(&p);
    for (const Param& o : options_) params.push_back(&o);
    for (const Param* p : params) {
      if (p->notBefore.empty() || !reading_.args.Has(p->notBefore)) continue;
      const Value& start = reading_.args[p->notBefore];
      for (const Value* v : reading_.args.All(p->name))
        if (std::tie(v->date, v->number) < std::tie(start.date, start.number))
          return (void)Fail(std::string(p->name) + " " + v->text + " is before " + std::string(p->notBefore) + " " +
                            start.text);
    }
  }

  std::span<const Form> forms_;
  std::span<const Param> options_;
  std::span<const std::string> words_;
  std::vector<std::string_view> positional_;
  const Form* form_ = nullptr;
  Reading reading_;
};

}  // namespace

Reading ReadArguments(std::span<const Form> forms, std::span<const Param> options, std::span<const std::string> words) {
  return WordReader(forms, options, words).Read();
}

}  // namespace lunisol::cli
