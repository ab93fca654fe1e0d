#include "cli/strcrypt_command.hpp"

#include <CLI/CLI.hpp>
#include <fstream>
#include <iostream>
#include <limits>
#include <sstream>

#include "cli/decrypt_input.hpp"
#include "cli/result_host.hpp"
#include "core/actions.hpp"
#include "core/data_cipher.hpp"
#include "core/gbk_codec.hpp"
#include "core/work_buffer.hpp"

namespace strcrypt::cli {
namespace {

constexpr const char* kVersion = "strcrypt 1.0.0";

struct Options {
  bool encrypt = true;
  std::string operand;
  std::string algorithm;
  std::string password;
  std::string password_file;
  std::string format = "all";
  std::string encoding;
  std::string input_form = "auto";
  bool keep_spaces = false;
  bool password_given = false;
  bool password_file_given = false;
  bool operand_given = false;
};

// A failure that ends the run with a message and a status.
struct Failure {
  ExitStatus status;
  std::string message;
};

std::string ReadAll(std::istream& in) {
  std::string all;
  char chunk[1 << 16];
  std::streamsize got = 0;
  while ((got = in.rdbuf()->sgetn(chunk, sizeof chunk)) > 0) {
    all.append(chunk, static_cast<std::size_t>(got));
  }
  return all;
}

std::string HexCodePoint(char32_t code_point) {
  std::ostringstream text;
  text << "U+" << std::uppercase << std::hex;
  text.width(4);
  text.fill('0');
  text << static_cast<std::uint32_t>(code_point);
  return text.str();
}

class Run {
 public:
  Run(const Options& options, std::istream& in, std::ostream& out, const Environment& environment)
      : options_(options),
        in_(in),
        out_(out),
        environment_(environment),
        encoding_(options.encoding.empty() ? environment.terminal_encoding : options.encoding) {}

  int Execute() {
    const CipherKind chosen_kind = options_.algorithm == "rc4" ? kRc4Kind : kDesKind;
    const std::string input =
        options_.operand_given && options_.operand != "-" ? options_.operand : ReadAll(in_);
    if (options_.encrypt) {
      ByteString data = ByteString(Bytes(ToGbk(input, "the text")));
      if (!options_.keep_spaces) data = RemoveAllSpaces(data);
      const Text password = PasswordOr(std::nullopt);
      WorkBuffer() = EncryptData(data, password, chosen_kind);
      Print(chosen_kind, kEncryptCodeLineHead, password);
      return kSuccess;
    }

    DecryptInput parsed = ParseDecryptInput(input);
    const CipherKind kind =
        options_.algorithm.empty() ? parsed.kind.value_or(kDesKind) : chosen_kind;
    const Text password = PasswordOr(parsed.password);
    WorkBuffer() = DecryptData(parsed.data, password, kind);
    if (!SelectsRc4(kind) && !parsed.data.IsEmpty() && WorkBuffer().IsEmpty()) {
      throw Failure{kRejected,
                    "decryption failed: wrong password, wrong algorithm, or not a DES ciphertext"};
    }
    Print(kind, kDecryptCodeLineHead, password);
    return kSuccess;
  }

 private:
  std::string ToGbk(std::string_view text, const std::string& what) const {
    GbkEncoding encoded = EncodeToGbk(text, encoding_, OnUnencodable::kFail);
    if (encoded.error) {
      const GbkEncodeError& error = *encoded.error;
      if (error.kind == GbkEncodeError::Kind::kInvalidInput) {
        throw Failure{kUsageError, what + " is not valid " + encoding_ + " at character " +
                                       std::to_string(error.position)};
      }
      throw Failure{kUsageError, "character " + std::to_string(error.position) + " of " + what +
                                     ", " + HexCodePoint(error.code_point) + ", has no GBK form"};
    }
    if (encoded.bytes.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
      throw Failure{kUsageError, what + " is larger than 2 GiB"};
    }
    return std::move(encoded.bytes);
  }

  Text ToGbkText(std::string_view text, const std::string& what) const {
    const std::string gbk = ToGbk(text, what);
    if (gbk.find('\0') != std::string::npos) {
      throw Failure{kUsageError, what + " contains a zero byte"};
    }
    return Text::FromBytes(gbk);
  }

  // The password from the options, else the one a code line carried, else the environment's.
  Text PasswordOr(const std::optional<Text>& from_code_line) const {
    if (options_.password_given) return ToGbkText(options_.password, "the password");
    if (options_.password_file_given) {
      std::ifstream file(options_.password_file, std::ios::binary);
      if (!file)
        throw Failure{kUsageError, "cannot read the password file " + options_.password_file};
      std::string content = ReadAll(file);
      if (content.ends_with('\n')) content.pop_back();
      if (content.ends_with('\r')) content.pop_back();
      return ToGbkText(content, "the password file");
    }
    if (from_code_line) return *from_code_line;
    if (const char* value = environment_.variable("STRCRYPT_PASSWORD")) {
      return ToGbkText(value, "STRCRYPT_PASSWORD");
    }
    return Text();
  }

  DecryptInput ParseDecryptInput(const std::string& input) const {
    if (options_.input_form == "raw") {
      if (input.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        throw Failure{kUsageError, "the input is larger than 2 GiB"};
      }
      return DecryptInput{ByteString::FromBytes(input), std::nullopt, std::nullopt};
    }
    const std::string gbk = ToGbk(input, "the input");
    ParsedInput parsed = options_.input_form == "list"   ? ParseByteList(gbk)
                         : options_.input_form == "line" ? ParseCodeLine(gbk)
                                                         : ParseListOrCodeLine(gbk);
    if (auto* error = std::get_if<InputError>(&parsed)) throw Failure{kUsageError, error->message};
    return std::get<DecryptInput>(std::move(parsed));
  }

  std::string Shown(const Text& text) const { return DecodeFromGbk(text.View(), encoding_); }

  void Print(CipherKind kind, std::string_view head, const Text& password) {
    const std::string& format = options_.format;
    if (format == "raw") {
      out_ << WorkBuffer().View();
      return;
    }
    ResultHost host(password);
    if (format == "text") {
      out_ << Shown(BytesToText(WorkBuffer())) << '\n';
    } else if (format == "list") {
      out_ << FormatByteList(host).View() << '\n';
    } else {
      PublishResult(host, kind, head);
      if (format == "code") {
        out_ << Shown(host.ReadText(control::kCodeLine)) << '\n';
      } else {
        out_ << "text: " << Shown(host.ReadText(control::kResultText)) << '\n'
             << "list: " << host.ReadText(control::kByteList).View() << '\n'
             << "code: " << Shown(host.ReadText(control::kCodeLine)) << '\n';
      }
    }
  }

  const Options& options_;
  std::istream& in_;
  std::ostream& out_;
  const Environment& environment_;
  std::string encoding_;
};

void AddCommonOptions(CLI::App& command, Options& options) {
  command.add_option("-a,--algorithm", options.algorithm, "des (default) or rc4")
      ->check(CLI::IsMember({"des", "rc4"}));
  command.add_option("-p,--password", options.password,
                     "the password (visible to other users in the process list; prefer "
                     "--password-file or STRCRYPT_PASSWORD)");
  command.add_option("--password-file", options.password_file,
                     "read the password from FILE, without one trailing newline");
  command
      .add_option("-f,--format", options.format,
                  "all (default): text, list and code line; text; list; code; raw bytes")
      ->check(CLI::IsMember({"all", "text", "list", "code", "raw"}));
  command.add_option("--encoding", options.encoding,
                     "encoding of input and output (default: the locale's); gbk passes bytes "
                     "unchanged");
}

}  // namespace

int RunStrcrypt(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                std::ostream& err, const Environment& environment) {
  CLI::App app(
      "Hide a string constant from a casual look at source code: DES or RC4 under a "
      "password, printed as text, as a byte list and as a ready-to-paste code line.",
      "strcrypt");
  app.set_version_flag("--version", kVersion);
  app.require_subcommand(1);
  app.footer(
      "Passwords come from -p, --password-file or the environment variable STRCRYPT_PASSWORD, "
      "in this order; none means the empty password.\n"
      "Exit status: 0 success, 1 DES decryption refused its input, 2 bad usage or input.");

  Options options;
  CLI::App* encrypt = app.add_subcommand("encrypt", "Encrypt TEXT (or standard input)");
  encrypt->add_option("text", options.operand, "the text; '-' or none reads standard input");
  encrypt->add_flag("--keep-spaces", options.keep_spaces,
                    "keep ASCII and full-width spaces (the window removes them)");
  AddCommonOptions(*encrypt, options);

  CLI::App* decrypt = app.add_subcommand(
      "decrypt", "Decrypt a byte list {12,0,255} or a code line printed by encrypt");
  decrypt->add_option("input", options.operand,
                      "the list or code line; '-' or none reads standard input");
  decrypt
      ->add_option("--input", options.input_form,
                   "auto (default): a byte list or a code line; list; line; raw: result bytes")
      ->check(CLI::IsMember({"auto", "list", "line", "raw"}));
  AddCommonOptions(*decrypt, options);

  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::Success& success) {
    return app.exit(success, out, err);
  } catch (const CLI::ParseError& error) {
    app.exit(error, err, err);
    return kUsageError;
  }

  CLI::App* chosen = encrypt->parsed() ? encrypt : decrypt;
  options.encrypt = chosen == encrypt;
  options.operand_given = chosen->get_option(options.encrypt ? "text" : "input")->count() > 0;
  options.password_given = chosen->get_option("--password")->count() > 0;
  options.password_file_given = chosen->get_option("--password-file")->count() > 0;
  try {
    return Run(options, in, out, environment).Execute();
  } catch (const Failure& failure) {
    err << "strcrypt: " << failure.message << '\n';
    return failure.status;
  } catch (const std::invalid_argument& error) {
    err << "strcrypt: " << error.what() << '\n';
    return kUsageError;
  }
}

}  // namespace strcrypt::cli
