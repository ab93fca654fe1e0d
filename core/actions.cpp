#include "core/actions.hpp"

#include "core/data_cipher.hpp"
#include "core/work_buffer.hpp"

namespace strcrypt {

CipherKind KindFromSelection(std::int32_t selection) {
  return selection == 0 ? kDesKind : kRc4Kind;
}

void EncryptAction(ActionHost& host) {
  const CipherKind kind = KindFromSelection(host.ReadSelection(control::kAlgorithm));
  const Text input = host.ReadText(control::kInput);
  WorkBuffer() = TextToBytes(RemoveAllSpaces(input));
  const Text password = host.ReadText(control::kPassword);
  WorkBuffer() = EncryptData(WorkBuffer(), password, kind);
  PublishResult(host, kind, kEncryptCodeLineHead);
}

void DecryptAction(ActionHost& host) {
  const CipherKind kind = KindFromSelection(host.ReadSelection(control::kAlgorithm));
  const Text password = host.ReadText(control::kPassword);
  WorkBuffer() = DecryptData(WorkBuffer(), password, kind);
  PublishResult(host, kind, kDecryptCodeLineHead);
}

void PublishResult(ActionHost& host, CipherKind kind, std::string_view code_line_head) {
  host.WriteText(control::kResultText, BytesToText(WorkBuffer()));
  const Text byte_list = FormatByteList(host);
  const Text digit = IntToText(kind);
  // Read again: the line carries the password as the box holds it once the list is done.
  const Text password = host.ReadText(control::kPassword);
  const Text code_line = ConcatTexts(Text::FromBytes(code_line_head), byte_list, ",", password, ",",
                                     digit, kCodeLineTail);
  host.WriteText(control::kCodeLine, code_line);
  host.WriteText(control::kByteList, byte_list);
}

Text FormatByteList(ActionHost& host) {
  const std::int32_t count = ByteLength(WorkBuffer());
  if (count == 0) return Text::FromBytes("{}");
  // The list grows in place: joining it anew for every entry would copy it once per byte.
  TextBuilder list;
  list.Reserve(4 * static_cast<std::size_t>(count) + 1);  // "255," is the longest entry
  list.Append('{');
  for (std::int32_t position = 1; position <= count; ++position) {
    // A nested action may have replaced the buffer during the last ProcessEvents, so both
    // the length and the byte come from the buffer as it is now, and no reference to it
    // outlives this step.
    const std::int32_t current_length = ByteLength(WorkBuffer());
    list.Append(IntToText(ByteAt(WorkBuffer(), position)));
    list.Append(position == current_length ? '}' : ',');
    host.ProcessEvents();
  }
  return std::move(list).Build();
}

}  // namespace strcrypt
