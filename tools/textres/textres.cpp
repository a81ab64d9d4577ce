// Build-time converter for the text resources: the checked-in sources are readable UTF-8 with
// LF line ends; the program embeds them in the encodings the tables are defined in.
//   textres utf16 IN OUT   UTF-16 little-endian with the byte-order mark FF FE, CR LF line ends
//   textres cp936 IN OUT   Chinese code page 936 (GBK), CR LF line ends
#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

namespace {

std::string with_crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

bool convert(const std::string& text, const char* to, std::string& out) {
    iconv_t cd = iconv_open(to, "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    std::string in = text;
    out.assign(in.size() * 4 + 16, '\0');
    char* src = in.data();
    size_t src_left = in.size();
    char* dst = out.data();
    size_t dst_left = out.size();
    const size_t done = iconv(cd, &src, &src_left, &dst, &dst_left);
    iconv_close(cd);
    if (done == static_cast<size_t>(-1)) return false;
    out.resize(out.size() - dst_left);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: textres utf16|cp936 IN OUT\n";
        return 2;
    }
    const std::string_view mode = argv[1];
    std::ifstream in(argv[2], std::ios::binary);
    if (!in) {
        std::cerr << "textres: cannot read " << argv[2] << '\n';
        return 1;
    }
    const std::string text = with_crlf(std::string(std::istreambuf_iterator<char>(in), {}));
    std::string body;
    std::string out;
    if (mode == "utf16") {
        if (!convert(text, "UTF-16LE", body)) {
            std::cerr << "textres: " << argv[2] << " is not valid UTF-8\n";
            return 1;
        }
        out = std::string("\xFF\xFE", 2) + body;
    } else if (mode == "cp936") {
        if (!convert(text, "CP936", out)) {
            std::cerr << "textres: " << argv[2] << " has characters outside code page 936\n";
            return 1;
        }
    } else {
        std::cerr << "textres: unknown mode " << mode << '\n';
        return 2;
    }
    const std::string tmp = std::string(argv[3]) + ".tmp";
    {
        std::ofstream file(tmp, std::ios::binary | std::ios::trunc);
        file.write(out.data(), static_cast<std::streamsize>(out.size()));
        if (!file) {
            std::cerr << "textres: cannot write " << tmp << '\n';
            return 1;
        }
    }
    if (std::rename(tmp.c_str(), argv[3]) != 0) {
        std::cerr << "textres: cannot rename to " << argv[3] << '\n';
        return 1;
    }
    return 0;
}
