// The numeric edit engine: rendering, reading back and key-by-key editing. Texts are written with
// the caret as '|' and a selection as [...]; keys are typed characters, '\b' is Backspace and
// '\x7f' the Delete key.
#include "edit/numeric_core.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

using lumedit::NumericEngine;
using lumedit::NumericText;

namespace {

struct Format
{
    const char* name;
    unsigned decimals;
    bool commas;
    const char* decimal;    // as the locale reports them
    const char* thousand;
};

const Format kEnUs = {"en-US", 2, true, ".", ","};
const Format kDe = {"de-DE", 2, true, ",", "."};
const Format kFr = {"fr-FR", 2, true, ",", " "};
const Format kInt = {"integer", 0, true, ".", ","};
const Format kPlain = {"ungrouped", 2, false, ".", ","};
const Format kFour = {"4 decimals", 4, true, ".", ","};

NumericEngine Engine(const Format& f)
{
    NumericEngine e;
    EXPECT_TRUE(e.SetNumericOnly(true, f.decimals, f.commas));
    e.LocalSettings(f.decimal, f.thousand);
    return e;
}

NumericText At(const std::string& marked)
{
    NumericText t;
    for (char c : marked) {
        if (c == '|' || c == '[')
            t.selStart = static_cast<int>(t.text.size());
        if (c == '|' || c == ']')
            t.selEnd = static_cast<int>(t.text.size());
        if (c != '|' && c != '[' && c != ']')
            t.text += c;
    }
    return t;
}

std::string Show(const NumericText& t)
{
    std::string s = t.text;
    if (t.hasSelection()) {
        s.insert(t.selEnd, 1, ']');
        s.insert(t.selStart, 1, '[');
    } else {
        s.insert(t.selStart, 1, '|');
    }
    return s;
}

std::string Keys(const std::string& keys)
{
    std::string s;
    for (char c : keys)
        s += c == '\b' ? std::string("<BS>") : c == '\x7f' ? std::string("<Del>") : std::string(1, c);
    return s;
}

// Returns false when one of the keys was ignored.
bool Type(NumericEngine& e, NumericText& t, const std::string& keys)
{
    bool all = true;
    for (char c : keys) {
        if (c == '\x7f')
            e.processDeleteKey(t);
        else
            all &= e.processCharacter(t, static_cast<unsigned char>(c));
    }
    return all;
}

// The number a text shows, read independently of the engine.
double Shown(const NumericEngine& e, const std::string& text)
{
    std::string s;
    for (char c : text) {
        if (c != e.GetComma())
            s += c == e.GetDecimalPoint() ? '.' : c;
    }
    return std::strtod(s.c_str(), nullptr);
}

// ---- rendering and reading back --------------------------------------------------------------

struct ValueCase
{
    const Format* format;
    double value;
    const char* text;   // nullptr: refused
    double readBack;    // what GetValue returns afterwards
};

const ValueCase kValues[] = {
    {&kEnUs, 1.24, "1.24", 1.24},
    {&kEnUs, 2.3, "2.30", 2.3},
    {&kEnUs, 19.99, "19.99", 19.99},
    {&kEnUs, 1234.56, "1,234.56", 1234.56},
    {&kEnUs, -1.24, "-1.24", -1.24},
    {&kEnUs, 1.239, "1.23", 1.23},
    {&kEnUs, 1234.5, "1,234.50", 1234.5},
    {&kEnUs, 123, "123.00", 123},
    {&kEnUs, -123, "-123.00", -123},
    {&kEnUs, 123456.789, "123,456.78", 123456.78},
    {&kEnUs, -999999.999, "-999,999.99", -999999.99},
    {&kEnUs, 0, "0.00", 0},
    {&kEnUs, 0.05, "0.05", 0.05},
    {&kEnUs, -0.05, "-0.05", -0.05},
    {&kEnUs, 0.001, "0.00", 0},
    {&kEnUs, 1e-300, "0.00", 0},
    {&kEnUs, 0.5, ".50", 0.5},
    {&kEnUs, -0.5, "-.50", -0.5},
    {&kEnUs, 0.1, ".10", 0.1},
    {&kEnUs, 123456789012345.67, "123,456,789,012,345.67", 123456789012345.67},
    {&kEnUs, 999999999999999.0, "999,999,999,999,999.00", 999999999999999.0},
    {&kEnUs, 1e15, nullptr, 0},
    {&kEnUs, 1234567890123456.0, nullptr, 0},
    {&kEnUs, 1e300, nullptr, 0},
    {&kEnUs, HUGE_VAL, nullptr, 0},
    {&kEnUs, -HUGE_VAL, nullptr, 0},
    {&kEnUs, NAN, nullptr, 0},
    {&kInt, -123456, "-123,456", -123456},
    {&kInt, 1234.56, "1,234", 1234},
    {&kInt, 0, "0", 0},
    {&kInt, 0.05, "0", 0},
    {&kInt, 0.5, "0", 0},
    {&kInt, -0.5, "-0", 0},
    {&kEnUs, -0.0, "-0.00", 0},
    {&kInt, 1e15, "1,000,000,000,000,000", 1e15},
    {&kInt, 1e16, "10,000,000,000,000,000", 1e16},
    {&kInt, 1e17, nullptr, 0},
    {&kFour, 3.14159, "3.1415", 3.1415},
    {&kFour, 0.0005, "0.0005", 0.0005},
    {&kFour, 1e12, "1,000,000,000,000.0000", 1e12},
    {&kFour, 1e13, nullptr, 0},
    {&kDe, 1234567.5, "1.234.567,50", 1234567.5},
    {&kDe, -0.25, "-,25", -0.25},
    {&kFr, 1234567.5, "1 234 567,50", 1234567.5},
    {&kPlain, 1234567.5, "1234567.50", 1234567.5},
    {&kPlain, -1.24, "-1.24", -1.24},
};

TEST(NumericRender, SetValueShowsTheDigitsAndReadsBack)
{
    for (const ValueCase& c : kValues) {
        SCOPED_TRACE(std::string(c.format->name) + " value " + std::to_string(c.value));
        NumericEngine e = Engine(*c.format);
        NumericText t = At("7|");
        e.setStringAndSelection(t, "7", 1);
        ASSERT_EQ(e.SetValue(c.value, t), c.text != nullptr);
        if (!c.text) {
            EXPECT_EQ(Show(t), "7|");   // text and value stay
            EXPECT_EQ(e.GetValue(), 7);
            continue;
        }
        EXPECT_EQ(Show(t), std::string("|") + c.text);
        EXPECT_EQ(e.GetValue(), c.readBack);
        EXPECT_EQ(e.GetValue(), Shown(e, t.text));
        NumericText again;
        ASSERT_TRUE(e.SetValue(e.GetValue(), again));
        EXPECT_EQ(again.text, t.text);
    }
}

TEST(NumericRender, EveryCentShowsItsOwnDigits)
{
    NumericEngine e = Engine(kEnUs);
    for (long long cents = -250000; cents <= 250000; cents += 7) {
        long long units = std::llabs(cents) / 100;
        char expected[64];
        if (units >= 1000)
            std::snprintf(expected, sizeof expected, "%s%lld,%03lld.%02lld", cents < 0 ? "-" : "", units / 1000,
                          units % 1000, std::llabs(cents) % 100);
        else
            std::snprintf(expected, sizeof expected, "%s%lld.%02lld", cents < 0 ? "-" : "", units,
                          std::llabs(cents) % 100);
        std::string want = expected;
        if (units == 0 && std::llabs(cents) >= 10)
            want.erase(want.find('0'), 1);   // .10 to .99 have an empty integer part
        NumericText t;
        ASSERT_TRUE(e.SetValue(cents / 100.0, t));
        ASSERT_EQ(t.text, want) << cents;
        ASSERT_EQ(e.GetValue(), cents / 100.0) << cents;
    }
}

TEST(NumericRender, ReadingIgnoresTheCLocaleAndStopsAtGarbage)
{
    struct Case { const Format* format; std::string text; double value; };
    const Case cases[] = {
        {&kEnUs, "1,234.56", 1234.56},  {&kDe, "1.234,56", 1234.56},  {&kFr, "1 234,56", 1234.56},
        {&kEnUs, "  -12.5", -12.5},     {&kEnUs, "+7.25", 7.25},      {&kEnUs, "12x.50", 12},
        {&kEnUs, "12.5x9", 12.5},       {&kEnUs, "abc", 0},           {&kEnUs, "", 0},
        {&kEnUs, ".", 0},               {&kEnUs, "1.2.3", 1.2},
        {&kEnUs, "-", 0},               {&kEnUs, std::string(400, '9'), HUGE_VAL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.format->name) + " \"" + c.text + "\"");
        EXPECT_EQ(Engine(*c.format).parseValue(c.text), c.value);
    }
    EXPECT_EQ(Engine(kEnUs).parseValue("-" + std::string(400, '9')), -HUGE_VAL);
    EXPECT_EQ(Engine(kEnUs).parseValue("0." + std::string(400, '0') + "1"), 0);
    EXPECT_TRUE(std::signbit(Engine(kEnUs).parseValue("-")));   // a lone minus keeps its sign
}

// ---- keys ------------------------------------------------------------------------------------

struct EditCase
{
    const Format* format;
    const char* start;
    const char* keys;
    const char* result;
};

const EditCase kEdits[] = {
    // digits go into the integer part and are regrouped; the caret stays after the typed digit
    {&kEnUs, "1|,234.50", "7", "17,|234.50"},
    {&kEnUs, "1,|234.50", "7", "17,|234.50"},
    {&kEnUs, "999,99|9.00", "1", "9,999,91|9.00"},
    {&kEnUs, "1,234|.50", "5", "12,345|.50"},
    {&kEnUs, "|1,234.50", "9", "9|1,234.50"},
    {&kEnUs, "|5.00", "0", "0|5.00"},
    {&kEnUs, "|5.00", "03", "3|5.00"},
    {&kEnUs, "|0.00", "5", "5|.00"},
    {&kEnUs, "0|.00", "5", "5|.00"},
    {&kEnUs, "0|.05", "12", "12|.05"},
    {&kEnUs, "|-1,234.50", "7", "-7|1,234.50"},
    // decimals are fixed: typed over, never added
    {&kEnUs, "1,234.|50", "9", "1,234.9|0"},
    {&kEnUs, "1,234.5|0", "99", "1,234.59|"},
    {&kEnUs, "1,234.50|", "9", "1,234.50|"},
    // the sign toggles wherever the caret is
    {&kEnUs, "1,2|34.50", "-", "-1,2|34.50"},
    {&kEnUs, "1,2|34.50", "--", "1,2|34.50"},
    {&kEnUs, "|1,234.50", "-", "-|1,234.50"},
    {&kEnUs, "1,234.50|", "+", "1,234.50|"},
    {&kEnUs, "-1,234.5|0", "+", "1,234.5|0"},
    {&kEnUs, "|0.00", "-5", "-5|.00"},
    // Delete and Backspace step over the decimal point and take a separator with its digit
    {&kEnUs, "1|,234.50", "\x7f", "1|34.50"},
    {&kEnUs, "1,|234.50", "\b", "|234.50"},
    {&kEnUs, "1,234.|50", "\b", "123|.50"},
    {&kEnUs, "1,234|.50", "\x7f", "1,234.|00"},
    {&kEnUs, "1,234.5|0", "\b", "1,234.|00"},
    {&kEnUs, "1,234.|50", "\x7f", "1,234.|00"},
    {&kEnUs, "1,234.50|", "\x7f", "1,234.50|"},
    {&kEnUs, "|1,234.50", "\b", "|1,234.50"},
    {&kEnUs, "1,234,56|7.00", "\b", "123,45|7.00"},
    {&kEnUs, "-1|,234.50", "\b", "-|234.50"},
    {&kEnUs, "-1|,234.50", "\x7f", "-1|34.50"},
    {&kEnUs, "-|1,234.50", "\b", "|1,234.50"},
    {&kEnUs, "|-1,234.50", "\x7f", "|1,234.50"},
    {&kEnUs, "5|.00", "\b", "|.00"},
    {&kEnUs, "5|.00", "\b7", "7|.00"},
    // the decimal point jumps into the decimals, dropping the integer digits right of the caret
    {&kEnUs, "1,2|34.50", ".", "12.|50"},
    {&kEnUs, "1,234.5|0", ".", "1,234.|50"},
    {&kEnUs, "|-1,234.50", ".", "-.|50"},
    {&kInt, "12,|345", ".", "12|"},
    // a selection is removed first and the rest re-rendered with the caret among the same digits
    {&kEnUs, "[1,2]34.50", "9", "9|34.50"},
    {&kEnUs, "1,[2]34.50", "9", "1,9|34.50"},
    {&kEnUs, "1,234[.5]0", "9", "123,49|0.00"},
    {&kEnUs, "1,234.[50]", "9", "1,234.9|0"},
    {&kEnUs, "[1,234.50]", "7", "7|.00"},
    {&kEnUs, "[1,234.50]", "\b", "0|.00"},
    {&kEnUs, "[1,234.50]", "\x7f", "0|.00"},
    {&kEnUs, "[-]1,234.50", "\x7f", "|1,234.50"},
    {&kEnUs, "[1,234.50]", "-", "-0|.00"},
    {&kEnUs, "[1,234.50]", ".", "0.|00"},
    // other keys are not the engine's
    {&kEnUs, "1,2|34.50", ",", "1,2|34.50"},
    {&kEnUs, "1,2|34.50", "a", "1,2|34.50"},
    {&kEnUs, "1,2|34.50", " ", "1,2|34.50"},
    // other separators
    {&kDe, "1|.234,50", "7", "17.|234,50"},
    {&kDe, "1|.234,50", "\x7f", "1|34,50"},
    {&kDe, "1.|234,50", "\b", "|234,50"},
    {&kDe, "1.2|34,50", ",", "12,|50"},
    {&kDe, "1.23|4,50", ".", "1.23|4,50"},
    {&kDe, "1.234,|50", "9", "1.234,9|0"},
    {&kFr, "1| 234,50", "7", "17 |234,50"},
    {&kFr, "1| 234,50", "\x7f", "1|34,50"},
    {&kFr, "1 234,|50", "\b", "123|,50"},
    {&kFr, "1 2|34,50", ",", "12,|50"},
    {&kPlain, "123|4.50", "5", "1235|4.50"},
    {&kPlain, "1234.|50", "\b", "123|.50"},
    {&kInt, "1,23|4", "\b", "12|4"},
    {&kInt, "|0", "5", "5|"},
    {&kInt, "|0", "-5", "-5|"},
    {&kFour, "1.|0000", "5678", "1.5678|"},
};

TEST(NumericKeys, EditsFromAGivenTextAndCaret)
{
    for (const EditCase& c : kEdits) {
        SCOPED_TRACE(std::string(c.format->name) + ": " + c.start + " + " + Keys(c.keys));
        NumericEngine e = Engine(*c.format);
        NumericText t = At(c.start);
        NumericText inStep;
        e.setStringAndSelection(inStep, t.text, 0);   // the value follows the text, as in a window
        Type(e, t, c.keys);
        EXPECT_EQ(Show(t), c.result);
        EXPECT_EQ(e.GetValue(), Shown(e, t.text));
    }
}

TEST(NumericKeys, TypingIntoAFreshControl)
{
    struct Case { const Format* format; const char* keys; const char* result; };
    const Case cases[] = {
        {&kEnUs, "1234567.891", "1,234,567.89|"},
        {&kEnUs, "-1234.5", "-1,234.5|0"},
        {&kEnUs, "0000.05", "0.05|"},
        {&kEnUs, ".75", ".75|"},
        {&kDe, "1234567,891", "1.234.567,89|"},
        {&kFr, "1234567,891", "1 234 567,89|"},
        {&kInt, "-1234567", "-1,234,567|"},
        {&kFour, "3,14159", "314,159|.0000"},   // ',' is not this locale's decimal point
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.format->name) + ": " + c.keys);
        NumericEngine e = Engine(*c.format);
        NumericText t;
        Type(e, t, c.keys);
        EXPECT_EQ(Show(t), c.result);
        EXPECT_EQ(e.GetValue(), Shown(e, t.text));
    }
}

TEST(NumericKeys, ProcessCharacterAnswersWhetherTheKeyActs)
{
    NumericEngine e = Engine(kDe);
    NumericText t = At("1.234,5|0");
    for (unsigned ch : {unsigned('a'), unsigned('.'), unsigned('\t'), unsigned('\r'), 0x1Bu, 0x16u, 0x100u + ','}) {
        EXPECT_FALSE(e.processCharacter(t, ch)) << ch;
        EXPECT_EQ(Show(t), "1.234,5|0") << ch;
    }
    for (unsigned ch : {unsigned('5'), unsigned('-'), unsigned('+'), unsigned('\b'), unsigned(',')})
        EXPECT_TRUE(e.processCharacter(t, ch)) << ch;
}

TEST(NumericKeys, RandomKeystrokesKeepTheTextANumber)
{
    const char keys[] = "0123456789-+.,\b\x7f\b\x7f";
    unsigned seed = 12345;
    auto next = [&seed](unsigned n) {
        seed = seed * 1103515245 + 12345;
        return (seed >> 16) % n;
    };
    for (const Format* f : {&kEnUs, &kDe, &kFr, &kInt, &kPlain, &kFour}) {
        NumericEngine e = Engine(*f);
        NumericText t;
        std::string log;
        for (int i = 0; i < 4000; ++i) {
            int len = static_cast<int>(t.text.size());
            if (next(8) == 0) {
                t.selStart = static_cast<int>(next(len + 1));
                t.selEnd = t.selStart + static_cast<int>(next(len + 1 - t.selStart));
            }
            char key = keys[next(sizeof keys - 1)];
            log = Show(t) + " + " + Keys(std::string(1, key));
            Type(e, t, std::string(1, key));
            ASSERT_EQ(t.text.find('-', 1), std::string::npos) << f->name << ": " << log << " -> " << Show(t);
            ASSERT_LE(std::count(t.text.begin(), t.text.end(), e.GetDecimalPoint()), 1) << f->name << ": " << log;
            ASSERT_LE(t.selStart, static_cast<int>(t.text.size())) << f->name << ": " << log;
            ASSERT_EQ(e.GetValue(), Shown(e, t.text)) << f->name << ": " << log << " -> " << Show(t);
        }
    }
}

// ---- digit limit -----------------------------------------------------------------------------

TEST(NumericLimit, SixteenIntegerDigitsCanBeTypedNotSeventeen)
{
    NumericEngine e = Engine(kEnUs);
    NumericText t;
    ASSERT_TRUE(e.SetValue(123456789012345, t));
    t.selStart = t.selEnd = static_cast<int>(t.text.find('.'));
    ASSERT_TRUE(Type(e, t, "6"));
    EXPECT_EQ(Show(t), "1,234,567,890,123,456|.00");
    ASSERT_TRUE(Type(e, t, "7"));
    EXPECT_EQ(Show(t), "1,234,567,890,123,456|.00");   // dropped
    NumericText refused = t;
    EXPECT_FALSE(e.SetValue(e.GetValue(), refused));
    EXPECT_EQ(refused.text, t.text);

    t.selStart = 0;
    t.selEnd = static_cast<int>(t.text.size());
    Type(e, t, "7");   // a selection over the number can still be typed over
    EXPECT_EQ(Show(t), "7|.00");
    EXPECT_EQ(e.GetValue(), 7);
}

TEST(NumericLimit, TheLimitCountsDecimalsToo)
{
    struct Case { const Format* format; const char* start; const char* result; };
    const Case cases[] = {
        {&kInt, "12,345,678,901,234,56|8", "123,456,789,012,345,69|8"},   // 17 digits: one more
        {&kInt, "123,456,789,012,345,67|8", "123,456,789,012,345,67|8"},
        {&kFour, "1,234,567,890,12|3.0000", "12,345,678,901,29|3.0000"},
        {&kFour, "12,345,678,901,23|4.0000", "12,345,678,901,23|4.0000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.format->name) + ": " + c.start);
        NumericEngine e = Engine(*c.format);
        NumericText t = At(c.start);
        Type(e, t, "9");
        EXPECT_EQ(Show(t), c.result);
    }
}

// ---- paste -----------------------------------------------------------------------------------

TEST(NumericPaste, PastedTextActsAsTyped)
{
    struct Case { const Format* format; const char* start; const char* clip; const char* result; bool acts; };
    const Case cases[] = {
        {&kEnUs, "[1,234.50]", "$1,234.56 USD", "1,234.56|", true},
        {&kEnUs, "1,234.50|", "abc", "1,234.50|", false},
        {&kEnUs, "[1,234.50]", "", "[1,234.50]", false},
        {&kEnUs, "[1,234.50]", "-42", "-42|.00", true},
        {&kEnUs, "0|.00", "12\b3", "123|.00", true},
        {&kEnUs, "1|,234.50", "99", "199,|234.50", true},
        {&kDe, "[0,00]", "EUR 1.234,56", "1.234,56|", true},
        {&kDe, "[0,00]", "1,234.56", "1,23|", true},
        {&kFr, "[0,00]", "1 234,5", "1 234,5|0", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.format->name) + ": " + c.start + " + \"" + Keys(c.clip) + "\"");
        NumericEngine e = Engine(*c.format);
        NumericText t = At(c.start);
        EXPECT_EQ(e.processPaste(t, c.clip), c.acts);
        EXPECT_EQ(Show(t), c.result);
    }
}

TEST(NumericPaste, ALongPasteStopsAtTheDigitLimit)
{
    NumericEngine e = Engine(kEnUs);
    NumericText t = At("[0.00]");
    EXPECT_TRUE(e.processPaste(t, std::string(20000, '9')));
    EXPECT_EQ(Show(t), "9,999,999,999,999,999|.00");
    EXPECT_EQ(e.GetValue(), Shown(e, t.text));
}

// ---- texts the engine did not write ----------------------------------------------------------

TEST(NumericForeignText, LongAndGarbledTextsAreEditedSafely)
{
    NumericEngine e = Engine(kEnUs);
    std::string digits(5000, '1');
    NumericText t;
    e.setStringAndSelection(t, digits, 5000);
    EXPECT_EQ(e.GetValue(), HUGE_VAL);

    Type(e, t, "5");   // too many digits: nothing can be rendered or added
    EXPECT_EQ(t.text, digits);
    Type(e, t, "\b");
    EXPECT_EQ(std::count(t.text.begin(), t.text.end(), '1'), 4999);
    EXPECT_EQ(t.text.substr(0, 6), "1,111,");
    Type(e, t, "-\x7f");
    EXPECT_EQ(t.text[0], '-');

    t.selStart = t.selEnd = 14;   // after "-1,111,111,111"
    Type(e, t, ".");
    EXPECT_EQ(Show(t), "-1,111,111,111.|");
    Type(e, t, "5");
    EXPECT_EQ(Show(t), "-1,111,111,111.5|0");
    EXPECT_EQ(e.GetValue(), -1111111111.5);

    e.setStringAndSelection(t, "abc", 3);
    Type(e, t, "5");
    EXPECT_EQ(Show(t), "5|.00");

    t.selStart = 100;
    t.selEnd = -3;
    Type(e, t, "\x7f");
    EXPECT_EQ(Show(t), "5.00|");
    t.selStart = -5;
    t.selEnd = 100;
    Type(e, t, "8");
    EXPECT_EQ(Show(t), "8|.00");
}

// ---- settings --------------------------------------------------------------------------------

TEST(NumericSettings, DecimalsAreLimitedToFour)
{
    NumericEngine e;
    EXPECT_FALSE(e.SetNumericOnly(true, 5, true));
    EXPECT_FALSE(e.SetNumericOnly(true, static_cast<unsigned>(-1), true));
    EXPECT_FALSE(e.IsNumericOnly());
    ASSERT_TRUE(e.SetNumericOnly(true, 4, true));
    EXPECT_TRUE(e.IsNumericOnly());
    EXPECT_EQ(e.GetDecimals(), 4);
    for (int n : {-1, 5, 100}) {
        EXPECT_FALSE(e.SetDecimals(n)) << n;
        EXPECT_EQ(e.GetDecimals(), 4) << n;
    }
    EXPECT_TRUE(e.SetDecimals(0));
    EXPECT_EQ(e.GetDecimals(), 0);
}

TEST(NumericSettings, SetNumericOnlyResetsSeparatorsAndValue)
{
    NumericEngine e = Engine(kDe);
    NumericText t;
    ASSERT_TRUE(e.SetValue(12.5, t));
    ASSERT_TRUE(e.SetNumericOnly(false, 1, false));
    EXPECT_EQ(e.GetComma(), ',');
    EXPECT_EQ(e.GetDecimalPoint(), '.');
    EXPECT_EQ(e.GetValue(), 0);
    EXPECT_FALSE(e.GetCommas());
}

TEST(NumericSettings, LocaleSeparators)
{
    struct Case { const char* decimal; const char* thousand; char point; char comma; };
    const Case cases[] = {
        {".", ",", '.', ','},   {",", ".", ',', '.'},       {",", " ", ',', ' '},
        {",", "\xA0", ',', '\xA0'},  {".", "'", '.', '\''},  {"", "", '.', ','},
        {",", "", ',', '.'},    {",", ",", ',', '.'},       {".", ".", '.', ','},
        {"5", "-", '.', ','},   {",.", ". ", ',', '.'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.decimal + "\" \"" + c.thousand + "\"");
        NumericEngine e = Engine(kEnUs);
        e.LocalSettings(c.decimal, c.thousand);
        EXPECT_EQ(e.GetDecimalPoint(), c.point);
        EXPECT_EQ(e.GetComma(), c.comma);
    }
}

TEST(NumericSettings, SeparatorsStayDistinctAndUsable)
{
    NumericEngine e = Engine(kEnUs);
    e.SetDecimalPoint(',');   // takes the grouping character: the two swap
    EXPECT_EQ(e.GetDecimalPoint(), ',');
    EXPECT_EQ(e.GetComma(), '.');
    e.SetComma(',');
    EXPECT_EQ(e.GetDecimalPoint(), '.');
    EXPECT_EQ(e.GetComma(), ',');
    for (char bad : {'\0', '0', '7', '-', '+'}) {
        e.SetComma(bad);
        e.SetDecimalPoint(bad);
        EXPECT_EQ(e.GetDecimalPoint(), '.') << int(bad);
        EXPECT_EQ(e.GetComma(), ',') << int(bad);
    }
    e.SetComma(' ');
    NumericText t;
    ASSERT_TRUE(e.SetValue(-1234567.25, t));
    EXPECT_EQ(t.text, "-1 234 567.25");
    e.EnableCommas(false);
    ASSERT_TRUE(e.SetValue(e.GetValue(), t));
    EXPECT_EQ(t.text, "-1234567.25");
}

// ---- string helpers --------------------------------------------------------------------------

}  // namespace
