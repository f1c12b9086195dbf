#include "documents/PdfWriter.h"

#include <cmath>
#include <cstdio>

namespace simhost {
namespace {

const char kHexDigits[] = "0123456789ABCDEF";

void AppendHex(std::string* out, unsigned char byte) {
  out->push_back(kHexDigits[byte >> 4]);
  out->push_back(kHexDigits[byte & 0x0F]);
}

}  // namespace

int PdfWriter::Reserve() {
  bodies_.emplace_back();
  return static_cast<int>(bodies_.size());
}

void PdfWriter::SetObject(int number, const std::string& body) { bodies_.at(static_cast<size_t>(number - 1)) = body; }

void PdfWriter::SetStream(int number, const std::string& entries, const std::string& data) {
  std::string body = "<< " + entries + (entries.empty() ? "" : " ") + "/Length " + std::to_string(data.size()) +
                     " >>\nstream\n" + data + "\nendstream";
  SetObject(number, body);
}

std::string PdfWriter::Finish(const std::vector<std::string>& comments, int root, int info) const {
  // The binary comment line tells transfer programs that the file is not text.
  std::string out = "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n";
  for (const std::string& comment : comments) out += comment + "\n";
  std::vector<size_t> offsets;
  for (size_t i = 0; i < bodies_.size(); ++i) {
    offsets.push_back(out.size());
    out += std::to_string(i + 1) + " 0 obj\n" + bodies_[i] + "\nendobj\n";
  }
  size_t table = out.size();
  out += "xref\n0 " + std::to_string(bodies_.size() + 1) + "\n0000000000 65535 f \n";
  char entry[32];
  for (size_t offset : offsets) {
    std::snprintf(entry, sizeof(entry), "%010zu 00000 n \n", offset);
    out += entry;
  }
  out += "trailer\n<< /Size " + std::to_string(bodies_.size() + 1) + " /Root " + std::to_string(root) + " 0 R";
  if (info > 0) out += " /Info " + std::to_string(info) + " 0 R";
  out += " >>\nstartxref\n" + std::to_string(table) + "\n%%EOF\n";
  return out;
}

std::string HexString(const std::string& bytes) {
  std::string out = "<";
  for (unsigned char byte : bytes) AppendHex(&out, byte);
  return out + ">";
}

std::string HexLines(const std::string& bytes) {
  std::string out;
  size_t digits = 0;
  for (unsigned char byte : bytes) {
    if (digits == 64) {
      out.push_back('\n');
      digits = 0;
    }
    AppendHex(&out, byte);
    digits += 2;
  }
  return out;
}

std::string PdfNumber(double value) {
  if (!std::isfinite(value)) return "0";
  char text[64];
  std::snprintf(text, sizeof(text), "%.4f", value);
  std::string out = text;
  while (!out.empty() && out.back() == '0') out.pop_back();
  if (!out.empty() && out.back() == '.') out.pop_back();
  if (out == "-0") out = "0";
  return out;
}

}  // namespace simhost
