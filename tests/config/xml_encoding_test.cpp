// SPDX-License-Identifier: MIT
#include "config/xml/xml_encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/code_pages.h"
#include "fakes/system_code_pages.h"

namespace k47 {
namespace {

using namespace std::string_view_literals;

using Bytes = std::vector<std::uint8_t>;

Bytes B(std::string_view s)
{
    return Bytes(s.begin(), s.end());
}

TEST(XmlEncoding, DeclarationScan)
{
    struct Case {
        const char16_t* head;
        const char16_t* declared; // nullptr: nothing declared
    } cases[] = {
        {u"<?xml version=\"1.0\" encoding=\"gb2312\"?><r/>", u"gb2312"},
        {u"<?xml version='1.0' ENCODING = 'Big5' ?>", u"Big5"},
        {u"<?XmL encoding=koi8-r?>", u"koi8-r"},
        {u"\r\n<!-- made by hand --><?xml encoding=\"gb2312\"?>", u"gb2312"},
        {u"<!DOCTYPE r><?xml encoding=\"gb2312\"?>", u"gb2312"},
        {u"<?xml encoding=\"\"?>", u""},
        {u"<?xml version=\"1.0\"?><?xml encoding=\"gb2312\"?>", nullptr},
        {u"<?style x?><?xml encoding=\"gb2312\"?>", nullptr},
        {u"</x><?xml encoding=\"gb2312\"?>", nullptr},
        {u"<?xmlx encoding=\"gb2312\"?>", nullptr},
        {u"<1><?xml encoding=\"gb2312\"?>", nullptr},
        {u"<?xml version=\"1.0\" encoding=\"gb2312\"", nullptr},
        {u"<HTML><HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=gb2312\">",
         u"gb2312"},
        {u"<html><meta http-equiv=\"refresh\" content=\"5\">"
         u"<meta http-equiv=\"CONTENT-TYPE\" content=\"text/html;charset=big5\">",
         u"big5"},
        {u"<html><meta content=\"text/html; Charset = euc-kr\" http-equiv='Content-Type'/>",
         u"euc-kr"},
        {u"<html><title>x</title><meta http-equiv=\"Content-Type\" content=\"a;charset=koi8-r;\">",
         u"koi8-r"},
        {u"<html><head></head><meta http-equiv=\"Content-Type\" content=\"charset=gb2312\">",
         nullptr},
        {u"<html><meta http-equiv=\"Content-Type\" content=\"text/html\">"
         u"<meta http-equiv=\"Content-Type\" content=\"charset=gb2312\">",
         nullptr},
        {u"<html><meta http-equiv=\"Content-Type\">", nullptr},
        {u"<html><meta http-equiv=\"Content-Type\" content=\"charset=\">", nullptr},
        {u"<body><meta http-equiv=\"Content-Type\" content=\"charset=gb2312\">", nullptr},
        {u"<html><?xml encoding=\"gb2312\"?>", nullptr},
        {u"plain text", nullptr},
        {u"", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(c.head));
        Text name = u"unchanged";
        const bool found = ScanDeclaredEncoding(c.head, name);
        EXPECT_EQ(found, c.declared != nullptr);
        if (found && c.declared) {
            EXPECT_EQ(name, c.declared);
        }
    }
}

TEST(XmlEncoding, Utf8Check)
{
    struct Case {
        std::string_view bytes;
        bool passes;
    } cases[] = {
        {"", true},
        {"<k>abc</k>", true},
        {"\xC3\xA9", true},
        {"\xE4\xB8\xAD", true},
        {"\xF0\x9F\x98\x80", true},
        {"\x80\x80", true}, // the check looks at shapes only
        {"\xF8\x80\x80\x80\x80", false},
        {"\xC3", false},
        {"\xC3\x41", false},
        {"\xE4\xB8", false},
        {"\xE4\xB8\x41", false},
        {"\xF0\x9F\x98", false},
        {"caf\xE9<", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.bytes)));
        const Bytes bytes = B(c.bytes);
        EXPECT_EQ(PassesUtf8Check(bytes.data(), bytes.size()), c.passes);
    }
}

TEST(XmlEncoding, CodePageOfDeclaredName)
{
    struct Case {
        Text name;
        bool honoured;
        std::uint32_t codePage;
    } cases[] = {
        {u"GB2312", true, 936},
        {u"x-nonsense", true, kAnsiCodePage},
        {u"", true, kAnsiCodePage},
        {Text(99, u'a'), true, kAnsiCodePage},
        {u"windows-1252" + Text(88, u' '), true, kAnsiCodePage},
        {u"utf-16", false, kAnsiCodePage},
        {u"unicode", false, kAnsiCodePage},
        {u"unicodeFFFE", false, kAnsiCodePage},
        {u"UTF-32", false, kAnsiCodePage},
        {u"UTF-32BE", false, kAnsiCodePage},
        {u"utf-32le", false, kAnsiCodePage},
        {u"utf-8", true, kUtf8CodePage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(c.name));
        std::uint32_t codePage = 12345;
        EXPECT_EQ(CodePageOfName(c.name, codePage), c.honoured);
        EXPECT_EQ(codePage, c.codePage);
    }
}

TEST(XmlEncoding, DecodesByMarkDeclarationOrContent)
{
    struct Case {
        const char* what;
        std::string_view bytes;
        std::uint32_t codePage;
        const char16_t* text;
    } cases[] = {
        {"declared gb2312", "<?xml version=\"1.0\" encoding=\"gb2312\"?><k>\xD6\xD0\xCE\xC4</k>"sv,
         936, u"<?xml version=\"1.0\" encoding=\"gb2312\"?><k>\u4E2D\u6587</k>"},
        {"declared Big5", "<?xml ENCODING='Big5'?><k>\xA4\xA4\xA4\xE5</k>"sv, 950,
         u"<?xml ENCODING='Big5'?><k>\u4E2D\u6587</k>"},
        {"declared windows-1252", "<?xml encoding=\"windows-1252\"?>\xE9\x80"sv, 1252,
         u"<?xml encoding=\"windows-1252\"?>\u00E9\u20AC"},
        {"html koi8-r",
         "<html><meta http-equiv=\"Content-Type\" content=\"text/html; charset=koi8-r\">"
         "\xF0\xD2\xC9\xD7\xC5\xD4"sv,
         20866,
         u"<html><meta http-equiv=\"Content-Type\" content=\"text/html; charset=koi8-r\">"
         u"\u041F\u0440\u0438\u0432\u0435\u0442"},
        {"declared iso-8859-5", "<?xml encoding=\"ISO-8859-5\"?>\xBF"sv, 28595,
         u"<?xml encoding=\"ISO-8859-5\"?>\u041F"},
        {"declared shift_jis", "<?xml encoding=\"shift_jis\"?>\x82\xA0"sv, 932,
         u"<?xml encoding=\"shift_jis\"?>\u3042"},
        {"declared euc-kr", "<?xml encoding=\"euc-kr\"?>\xB0\xA1"sv, 949,
         u"<?xml encoding=\"euc-kr\"?>\uAC00"},
        {"declared ibm866", "<?xml encoding=\"cp866\"?>\x8F"sv, 866,
         u"<?xml encoding=\"cp866\"?>\u041F"},
        {"unknown name: ANSI", "<?xml encoding=\"x-nonsense\"?>\xE9"sv, kAnsiCodePage,
         u"<?xml encoding=\"x-nonsense\"?>\u00E9"},
        {"UTF-8 mark wins", "\xEF\xBB\xBF<?xml encoding=\"gb2312\"?>\xC3\xA9"sv, kUtf8CodePage,
         u"<?xml encoding=\"gb2312\"?>\u00E9"},
        {"leading '<' means UTF-8", "<k>caf\xC3\xA9</k>"sv, kUtf8CodePage, u"<k>caf\u00E9</k>"},
        {"UTF-8 by check", " <k>caf\xC3\xA9</k>"sv, kUtf8CodePage, u" <k>caf\u00E9</k>"},
        {"ANSI when the check fails", " <k>caf\xE9</k>"sv, kAnsiCodePage, u" <k>caf\u00E9</k>"},
        {"zero bytes vanish", "<k>a\0b</k>\0"sv, kUtf8CodePage, u"<k>ab</k>"},
        {"xml without encoding", "<?xml version=\"1.0\"?><k/>"sv, kUtf8CodePage,
         u"<?xml version=\"1.0\"?><k/>"},
        {"UTF-16 mark", "\xFF\xFE<\0k\0>\0\0\0\x2D\x4E/\0"sv, kUtf16LeCodePage, u"<k>\u4E2D/"},
        {"UTF-16BE mark", "\xFE\xFF\0<\0k\0>\0\0\x4E\x2D\0/"sv, kUtf16BeCodePage, u"<k>\u4E2D/"},
        {"odd last byte dropped", "\xFF\xFE<\0k\0>"sv, kUtf16LeCodePage, u"<k"},
        {"mark only", "\xFF\xFE"sv, kUtf16LeCodePage, u""},
        // Without a mark these names cannot be right: they count as undeclared.
        {"utf-16 declared, no mark", "<?xml encoding=\"utf-16\"?><k>\xC3\xA9</k>"sv, kUtf8CodePage,
         u"<?xml encoding=\"utf-16\"?><k>\u00E9</k>"},
        {"UTF-32 declared, no mark", " <?xml encoding=\"UTF-32\"?>\xE9"sv, kAnsiCodePage,
         u" <?xml encoding=\"UTF-32\"?>\u00E9"},
        {"unicodeFFFE declared, no mark", " <?xml encoding=\"unicodeFFFE\"?>\xC3\xA9"sv,
         kUtf8CodePage, u" <?xml encoding=\"unicodeFFFE\"?>\u00E9"},
        {"UTF-16 without a mark", "<\0k\0>\0"sv, kUtf8CodePage, u"<k>"},
    };
    test::RecordingCodePages pages(test::SystemCodePages());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Bytes bytes = B(c.bytes);
        Text text = u"old";
        EXPECT_EQ(DecodeXmlFile(bytes.data(), bytes.size(), &pages, text), c.codePage);
        EXPECT_EQ(text, c.text);
    }
}

TEST(XmlEncoding, DeclarationMustEndInsideTheHead)
{
    const std::string declaration = "<?xml encoding=\"gb2312\"?>";
    test::RecordingCodePages pages(test::SystemCodePages());
    for (std::size_t spaces :
         {kHeadBytes - declaration.size(), kHeadBytes - declaration.size() + 1}) {
        SCOPED_TRACE(spaces);
        const Bytes bytes = B(std::string(spaces, ' ') + declaration + "\xE9");
        Text text;
        EXPECT_EQ(DecodeXmlFile(bytes.data(), bytes.size(), &pages, text),
                  spaces + declaration.size() <= kHeadBytes ? 936u : kAnsiCodePage);
    }
}

// A code page the platform does not have falls back to the ANSI one; with no
// conversion at all, UTF-8 is still read.
class NoCodePages : public ICodePages {
public:
    bool ToUtf16(std::uint32_t, const std::uint8_t*, std::size_t, Text& out) override
    {
        out.clear();
        return false;
    }
};

class AnsiOnly : public ICodePages {
public:
    bool ToUtf16(std::uint32_t codePage, const std::uint8_t* bytes, std::size_t count,
                 Text& out) override
    {
        out.clear();
        if (codePage != kAnsiCodePage)
            return false;
        out.assign(bytes, bytes + count);
        return true;
    }
};

TEST(XmlEncoding, MissingCodePagesFallBack)
{
    const Bytes gb = B("<?xml encoding=\"gb2312\"?>\xE9");
    const Bytes utf8 = B("<k>\xC3\xA9</k>");
    Text text;
    AnsiOnly ansi;
    EXPECT_EQ(DecodeXmlFile(gb.data(), gb.size(), &ansi, text), kAnsiCodePage);
    EXPECT_EQ(text, u"<?xml encoding=\"gb2312\"?>\u00E9");
    NoCodePages none;
    EXPECT_EQ(DecodeXmlFile(utf8.data(), utf8.size(), &none, text), kUtf8CodePage);
    EXPECT_EQ(text, u"<k>\u00E9</k>");
    EXPECT_EQ(DecodeXmlFile(utf8.data(), utf8.size(), nullptr, text), kUtf8CodePage);
    EXPECT_EQ(text, u"<k>\u00E9</k>");
}

} // namespace
} // namespace k47
