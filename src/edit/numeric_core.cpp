// numeric_core.cpp - the numeric edit engine: rendering, parsing and key-by-key editing.
#include "edit/numeric_core.h"
#include <algorithm>
#include <charconv>
#include <cmath>

namespace lumedit {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isSeparator(char c)
{
    return c != '\0' && !isDigit(c) && c != '-' && c != '+';
}

int length(std::string_view s)
{
    return static_cast<int>(s.size());
}

int signLength(std::string_view s)
{
    return NumericEngine::bIsRightCharacterSign(s, 0) ? 1 : 0;
}

int clampCaret(std::string_view s, int caret)
{
    return std::clamp(caret, 0, length(s));
}

// Regrouping an edit of the integer part changes nothing right of the caret, so the caret keeps
// its distance from the end of the text; it only must not slip in front of the sign when the
// separator that came to stand first is dropped.
int caretFromEnd(std::string_view text, int tail, int oldCaret)
{
    return std::clamp(length(text) - tail, std::min(oldCaret, signLength(text)), length(text));
}

// The digits of a double: digits[0] stands decpt places left of the decimal point.
struct DecimalDigits
{
    std::string digits;
    int decpt = 0;
    bool negative = false;
};

DecimalDigits decimalDigits(double v)
{
    DecimalDigits d;
    d.negative = std::signbit(v);
    if (!std::isfinite(v))
        return d;
    // The shortest form that reads back as v ("1.24e+00", not the binary expansion 1.2399999...).
    char buf[32];
    std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific);
    std::string_view s(buf, r.ptr - buf);
    size_t e = s.find('e');
    for (char c : s.substr(0, e)) {
        if (c != '.')
            d.digits += c;
    }
    std::string_view exponent = s.substr(e + 1);
    if (exponent.front() == '+')
        exponent.remove_prefix(1);
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), d.decpt);
    ++d.decpt;
    return d;
}

}  // namespace

// ---- settings and value ----------------------------------------------------------------------

bool NumericEngine::SetNumericOnly(bool bNumeric, unsigned nDecimals, bool bCommas)
{
    if (nDecimals > unsigned(kMaxDecimals))
        return false;
    m_bNumericOnly = bNumeric;
    m_nDecimals = static_cast<int>(nDecimals);
    m_bCommas = bCommas;
    m_chComma = ',';
    m_chDecimalPoint = '.';
    m_dValue = 0.0;
    return true;
}

void NumericEngine::LocalSettings(std::string_view decimal, std::string_view thousand)
{
    if (!decimal.empty() && isSeparator(decimal[0]))
        m_chDecimalPoint = decimal[0];
    if (!thousand.empty() && isSeparator(thousand[0]) && thousand[0] != m_chDecimalPoint)
        m_chComma = thousand[0];
    // Grouping with the decimal point's character would make every text ambiguous.
    if (m_chComma == m_chDecimalPoint)
        m_chComma = m_chDecimalPoint == ',' ? '.' : ',';
}

bool NumericEngine::SetValue(double v, NumericText& out)
{
    if (!fitsDigitLimit(v))
        return false;
    setStringAndSelection(out, toString(v), 0);
    return true;
}

bool NumericEngine::SetDecimals(int n)
{
    if (n < 0 || n > kMaxDecimals)
        return false;
    m_nDecimals = n;
    return true;
}

void NumericEngine::SetComma(char ch)
{
    if (!isSeparator(ch))
        return;
    if (ch == m_chDecimalPoint)
        m_chDecimalPoint = m_chComma;
    m_chComma = ch;
}

void NumericEngine::SetDecimalPoint(char ch)
{
    if (!isSeparator(ch))
        return;
    if (ch == m_chComma)
        m_chComma = m_chDecimalPoint;
    m_chDecimalPoint = ch;
}

// ---- keyboard --------------------------------------------------------------------------------

bool NumericEngine::processCharacter(NumericText& t, unsigned ch)
{
    if (ch == '-' || ch == '+') {
        deleteSelection(t);
        processSign(t, ch);
    } else if (ch >= '0' && ch <= '9') {
        deleteSelection(t);
        // Judged on what is left once the selection is gone, so a selection over a number at the
        // limit can still be typed over.
        if (fitsDigitLimit(m_dValue))
            processDigit(t, ch);
    } else if (ch == '\b') {
        if (t.hasSelection())
            deleteSelection(t);
        else
            processBackspace(t);
    } else if (ch == static_cast<unsigned char>(m_chDecimalPoint)) {
        deleteSelection(t);
        processDecimalPoint(t);
    } else {
        return false;
    }
    return true;
}

void NumericEngine::processDeleteKey(NumericText& t)
{
    if (t.hasSelection())
        deleteSelection(t);
    else
        processDelete(t);
}

bool NumericEngine::processPaste(NumericText& t, std::string_view clip)
{
    bool acted = false;
    for (char c : clip) {
        // Only what types a character counts; a backspace inside pasted text is not a key.
        if (c != '\b')
            acted |= processCharacter(t, static_cast<unsigned char>(c));
    }
    return acted;
}

void NumericEngine::processDigit(NumericText& t, unsigned ch)
{
    std::string text = t.text;
    int sign = signLength(text);
    int caret = std::max(clampCaret(text, t.selStart), sign);
    if (bIsLeftDecimal(text, caret)) {
        // The lone 0 of a value below 1 only holds the place of an empty integer part: the digit
        // takes its place instead of standing in front of it.
        if (decimalIndex(text) == sign + 1 && text[sign] == '0') {
            text.erase(sign, 1);
            caret = sign;
        }
        int tail = length(text) - caret;
        text.insert(text.begin() + caret, static_cast<char>(ch));
        text = putCommas(text);
        caret = caretFromEnd(text, tail, caret);
    } else if (caret < length(text)) {
        text[caret++] = static_cast<char>(ch);   // decimals are typed over
    }
    if (bIsRightCharacterComma(text, caret))
        ++caret;
    setStringAndSelection(t, std::move(text), caret);
}

void NumericEngine::processSign(NumericText& t, unsigned ch)
{
    std::string text = t.text;
    int caret = clampCaret(text, t.selStart);
    if (bIsRightCharacterSign(text, 0)) {
        text.erase(0, 1);
        --caret;
    } else if (ch == '-') {
        text.insert(0, 1, '-');
        ++caret;
    }
    setStringAndSelection(t, std::move(text), caret);
}

void NumericEngine::processDecimalPoint(NumericText& t)
{
    std::string text = t.text;
    int caret = std::max(clampCaret(text, t.selStart), signLength(text));
    if (bIsLeftDecimal(text, caret))
        text.erase(caret, decimalIndex(text) - caret);
    text = putCommas(text);
    setStringAndSelection(t, text, decimalIndex(text) + 1);
}

void NumericEngine::processDelete(NumericText& t)
{
    std::string text = t.text;
    int caret = clampCaret(text, t.selStart);
    if (bIsRightCharacterDecimal(text, caret))
        ++caret;
    if (bIsLeftDecimal(text, caret)) {
        int n = bIsRightCharacterComma(text, caret) ? 2 : 1;
        int tail = length(text) - caret - n;
        deleteCharRight(text, caret, n);
        text = putCommas(text);
        caret = caretFromEnd(text, tail, caret);
    } else if (caret < length(text)) {
        // The decimals right of the caret move left and a 0 comes in at the end.
        text.erase(caret, 1);
        text += '0';
    }
    setStringAndSelection(t, std::move(text), caret);
}

void NumericEngine::processBackspace(NumericText& t)
{
    std::string text = t.text;
    int caret = clampCaret(text, t.selStart);
    if (bIsLeftCharacterDecimal(text, caret))
        --caret;
    if (bIsLeftDecimal(text, caret)) {
        int tail = length(text) - caret;
        deleteCharLeft(text, caret, bIsLeftCharacterComma(text, caret) ? 2 : 1);
        text = putCommas(text);
        caret = caretFromEnd(text, tail, caret);
    } else {
        text.erase(--caret, 1);
        text += '0';
    }
    setStringAndSelection(t, std::move(text), caret);
}

void NumericEngine::deleteSelection(NumericText& t)
{
    std::string text = t.text;
    int start = clampCaret(text, t.selStart);
    int end = std::max(start, clampCaret(text, t.selEnd));
    text.erase(start, end - start);
    setStringAndSelection(t, text, start);
    NumericText rendered;
    if (!SetValue(m_dValue, rendered))
        return;   // too many digits to render: the text stays as the user left it
    int caret = rendered.text == text ? start : caretAmongDigits(text, start, rendered.text);
    setStringAndSelection(t, std::move(rendered.text), caret);
}

void NumericEngine::setStringAndSelection(NumericText& t, std::string text, int caret)
{
    t.selStart = t.selEnd = clampCaret(text, caret);
    t.text = std::move(text);
    m_dValue = parseValue(t.text);
}

// ---- conversions -----------------------------------------------------------------------------

std::string NumericEngine::toString(double v) const
{
    DecimalDigits d = decimalDigits(v);
    auto digit = [&d](int i) { return i >= 0 && i < length(d.digits) ? d.digits[i] : '0'; };
    std::string t;
    for (int i = 0; i < d.decpt; ++i)
        t += digit(i);
    // From 0.1 on the integer part holds exactly the digits before the point, so 0.5 keeps its
    // established form .50. Below 0.1 nothing stands before the point and the decimals would be
    // cut away entirely (0.05 as a lone point); such values read as anyone writes them, 0.05 and
    // 0.00, and typing treats that 0 as an empty integer part (processDigit). Zero converts to the
    // single digit 0 before the point, which gives 0.00 as well. Without decimals the integer part
    // is all there is, and an empty text would hide the value.
    if (d.decpt < 0 || (d.decpt == 0 && m_nDecimals == 0))
        t = "0";
    if (m_nDecimals > 0) {
        t += m_chDecimalPoint;
        for (int i = 0; i < m_nDecimals; ++i)
            t += digit(d.decpt + i);   // cut, not rounded
    }
    t = putCommas(t);
    return d.negative ? '-' + t : t;
}

double NumericEngine::parseValue(std::string_view s) const
{
    std::string integer, decimals;
    getIntegerAndDecimal(s, integer, decimals);
    size_t i = std::min(integer.find_first_not_of(" \t\n\v\f\r"), integer.size());
    bool negative = i < integer.size() && integer[i] == '-';
    if (i < integer.size() && (integer[i] == '-' || integer[i] == '+'))
        ++i;
    size_t end = i;
    while (end < integer.size() && isDigit(integer[end]))
        ++end;
    // from_chars reads the same text under any C locale; the padding 0s keep it well formed.
    std::string number = "0" + integer.substr(i, end - i) + ".0";
    if (end == integer.size())
        number.insert(number.end() - 1, decimals.begin(), std::find_if_not(decimals.begin(), decimals.end(), isDigit));
    double v = 0.0;
    if (std::from_chars(number.data(), number.data() + number.size(), v).ec == std::errc::result_out_of_range)
        v = number.find_first_of("123456789") < number.find('.') ? HUGE_VAL : 0.0;
    return negative ? -v : v;
}

bool NumericEngine::fitsDigitLimit(double v) const
{
    return std::isfinite(v) && decimalDigits(v).decpt + m_nDecimals <= kMaxDigits;
}

// ---- string helpers --------------------------------------------------------------------------

std::string NumericEngine::putCommas(std::string_view in) const
{
    std::string plain(in);
    removeCommas(plain);
    if (!m_bCommas)
        return plain;
    std::string integer, decimals;
    getIntegerAndDecimal(plain, integer, decimals);
    // A sign counts as a character of the integer part; removeFirstComma takes away the separator
    // that can come to stand right after it.
    std::string out;
    for (size_t i = 0; i < integer.size(); ++i) {
        out += integer[i];
        size_t left = integer.size() - 1 - i;
        if (left > 0 && left % kGroupSize == 0)
            out += m_chComma;
    }
    if (m_nDecimals > 0)
        out += m_chDecimalPoint + decimals;
    removeFirstComma(out);
    return out;
}

void NumericEngine::removeCommas(std::string& s) const
{
    s.erase(std::remove(s.begin(), s.end(), m_chComma), s.end());
}

void NumericEngine::removeFirstComma(std::string& s) const
{
    size_t first = signLength(s);
    if (charAt(s, static_cast<int>(first)) == m_chComma)
        s.erase(first, 1);
}

void NumericEngine::getIntegerAndDecimal(std::string_view s, std::string& integer, std::string& decimals) const
{
    std::string plain(s);
    removeCommas(plain);
    int p = decimalIndex(plain);
    integer = plain.substr(0, p);
    decimals = midString(plain, p + 1, length(plain));
}

void NumericEngine::deleteCharRight(std::string& s, int pos, int n)
{
    int from = std::clamp(pos, 0, length(s));
    s.erase(from, std::clamp(pos + n, from, length(s)) - from);
}

std::string NumericEngine::midString(std::string_view s, int start, int count)
{
    if (start < 0 || start >= length(s) || count <= 0)
        return std::string();
    return std::string(s.substr(start, count));
}

bool NumericEngine::bIsLeftDecimal(std::string_view s, int pos) const
{
    return decimalIndex(s) >= pos;
}

char NumericEngine::charAt(std::string_view s, int pos)
{
    return pos >= 0 && pos < length(s) ? s[pos] : '\0';
}

int NumericEngine::decimalIndex(std::string_view s) const
{
    return static_cast<int>(std::min(s.find(m_chDecimalPoint), s.size()));
}

// Where the caret belongs in a re-rendered text: in the integer part before as many digits as it
// had on its right (leading zeros and separators come and go), in the decimal part at the same
// decimal.
int NumericEngine::caretAmongDigits(std::string_view from, int caret, std::string_view to) const
{
    if (!bIsLeftDecimal(from, caret))
        return std::min(decimalIndex(to) + caret - decimalIndex(from), length(to));
    std::string_view right = from.substr(caret, decimalIndex(from) - caret);
    int digits = static_cast<int>(std::count_if(right.begin(), right.end(), isDigit));
    int pos = decimalIndex(to);
    while (digits > 0 && pos > signLength(to)) {
        if (isDigit(to[--pos]))
            --digits;
    }
    return pos;
}

}  // namespace lumedit
