#include "synthetic_stocks.h"

#include <algorithm>
#include <random>
#include <vector>

#include <QStringList>

namespace {

struct Family {
    int first;                  // first code of the family's 100000
    std::vector<int> prefixes;  // the three-digit prefixes real codes use
};

// Characters common in stock names, each with its initial; none of them is
// read two ways in names.
constexpr struct {
    char16_t han;
    char initial;
} kCharacters[] = {
    {u'中', 'Z'}, {u'国', 'G'}, {u'华', 'H'}, {u'科', 'K'}, {u'技', 'J'}, {u'股', 'G'},
    {u'份', 'F'}, {u'电', 'D'}, {u'子', 'Z'}, {u'新', 'X'}, {u'能', 'N'}, {u'源', 'Y'},
    {u'生', 'S'}, {u'物', 'W'}, {u'医', 'Y'}, {u'药', 'Y'}, {u'业', 'Y'}, {u'集', 'J'},
    {u'团', 'T'}, {u'银', 'Y'}, {u'证', 'Z'}, {u'券', 'Q'}, {u'金', 'J'}, {u'融', 'R'},
    {u'信', 'X'}, {u'息', 'X'}, {u'通', 'T'}, {u'达', 'D'}, {u'天', 'T'}, {u'地', 'D'},
    {u'海', 'H'}, {u'山', 'S'}, {u'东', 'D'}, {u'南', 'N'}, {u'西', 'X'}, {u'北', 'B'},
    {u'方', 'F'}, {u'宏', 'H'}, {u'安', 'A'}, {u'泰', 'T'}, {u'康', 'K'}, {u'明', 'M'},
    {u'光', 'G'}, {u'网', 'W'}, {u'材', 'C'}, {u'化', 'H'}, {u'工', 'G'}, {u'机', 'J'},
    {u'汽', 'Q'}, {u'车', 'C'}, {u'航', 'H'}, {u'港', 'G'}, {u'城', 'C'}, {u'建', 'J'},
    {u'发', 'F'}, {u'投', 'T'}, {u'资', 'Z'}, {u'控', 'K'}, {u'实', 'S'}, {u'利', 'L'},
    {u'盛', 'S'}, {u'鑫', 'X'}, {u'龙', 'L'}, {u'凤', 'F'}, {u'兴', 'X'}, {u'隆', 'L'},
    {u'德', 'D'}, {u'力', 'L'}, {u'创', 'C'}, {u'智', 'Z'}, {u'微', 'W'}, {u'芯', 'X'},
    {u'精', 'J'}, {u'密', 'M'}, {u'环', 'H'}, {u'保', 'B'}, {u'水', 'S'}, {u'钢', 'G'},
    {u'铁', 'T'}, {u'煤', 'M'}, {u'矿', 'K'}, {u'石', 'S'}, {u'油', 'Y'}, {u'气', 'Q'},
    {u'食', 'S'}, {u'品', 'P'}, {u'酒', 'J'}, {u'农', 'N'}, {u'林', 'L'}, {u'牧', 'M'},
    {u'旅', 'L'}, {u'传', 'C'}, {u'媒', 'M'}, {u'文', 'W'}, {u'软', 'R'}, {u'件', 'J'},
    {u'云', 'Y'}, {u'数', 'S'}, {u'高', 'G'}, {u'速', 'S'}, {u'路', 'L'}, {u'桥', 'Q'},
    {u'江', 'J'}, {u'河', 'H'}, {u'湖', 'H'}, {u'京', 'J'}, {u'沪', 'H'}, {u'深', 'S'},
    {u'广', 'G'}, {u'浙', 'Z'}, {u'苏', 'S'}, {u'粤', 'Y'}, {u'川', 'C'}, {u'贵', 'G'},
    {u'州', 'Z'}, {u'平', 'P'}, {u'宝', 'B'}, {u'万', 'W'}, {u'美', 'M'}, {u'恒', 'H'},
};

// How close a code lies to real ones: 0 for a real prefix ("600"), 1 for a
// code that shares the first two digits with one ("602"), 2 for the rest.
int closeness(const Family& family, int code) {
    const int prefix = code / 1000;
    int rank = 2;
    for (int real : family.prefixes) {
        if (prefix == real) return 0;
        if (prefix / 10 == real / 10) rank = 1;
    }
    return rank;
}

// The family's codes, the closest to real ones first, each rank in a
// shuffled order.
std::vector<int> familyCodes(const Family& family, std::mt19937& random) {
    std::vector<int> codes(100000);
    for (int i = 0; i < 100000; ++i) codes[i] = family.first + i;
    std::shuffle(codes.begin(), codes.end(), random);
    std::stable_sort(codes.begin(), codes.end(),
                     [&](int a, int b) { return closeness(family, a) < closeness(family, b); });
    return codes;
}

StockRow makeRow(int code, std::mt19937& random) {
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<int> pick(0, std::size(kCharacters) - 1);
    const int roll = percent(random);
    const int length = roll < 5 ? 2 : roll < 25 ? 3 : 4;
    const bool classA = percent(random) < 4;
    StockRow row;
    row.code = QStringLiteral("%1").arg(code, 6, 10, QLatin1Char('0'));
    for (int i = 0; i < length - (classA ? 1 : 0); ++i) {
        const auto& c = kCharacters[pick(random)];
        row.name.append(QChar(c.han));
        row.pinyin.append(QLatin1Char(c.initial));
    }
    if (classA) {
        row.name.append(u'A');
        row.pinyin.append(u'A');
    }
    return row;
}

}  // namespace

QList<StockRow> SyntheticStocks(int count) {
    const Family families[] = {
        {600000, {600, 601, 603, 605, 688}},
        {0, {0, 1, 2, 3}},
        {300000, {300, 301}},
    };
    std::mt19937 random(20100101);
    std::vector<int> codes;
    codes.reserve(count);
    for (int f = 0; f < 3; ++f) {
        const int share = count / 3 + (f < count % 3 ? 1 : 0);
        const std::vector<int> family = familyCodes(families[f], random);
        codes.insert(codes.end(), family.begin(), family.begin() + share);
    }
    std::sort(codes.begin(), codes.end());
    QList<StockRow> rows;
    rows.reserve(count);
    for (int code : codes) rows.append(makeRow(code, random));
    return rows;
}
