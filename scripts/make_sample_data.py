#!/usr/bin/env python3
"""Writes the sample ship kinds and material files into data/.

All figures are made up for this program. Edit the tables below and run
    python3 scripts/make_sample_data.py
from anywhere; both files come out in code page 932 with CR LF line ends.
"""
import pathlib
import random

DATA = pathlib.Path(__file__).resolve().parent.parent / "data"

SHIP_HEADER = [
    "船名", "価格", "造船技能", "建造日数", "漕力", "旋回", "対波", "装甲", "最高速",
    "標準船室", "標準砲門", "標準船倉", "最低船員", "冒険", "交易", "戦闘",
    "補助帆", "船首像", "紋章", "特殊兵装", "追加装甲", "船側砲", "船首砲", "船尾砲",
    "番号", "既定材質", "時代", "海域", "売却可", "備考",
]
MATERIAL_HEADER = [
    "船名", "親方", "シーダー", "レッドパイン", "ビーチ", "エルム", "チーク", "オーク",
    "マホガニー", "銅張り", "ローズウッド", "鉄張り",
]

# Per material kind: durability in percent of the base, and the shift of both sails
# in percent. Light woods sail a little better, heavy and sheathed hulls hold out longer.
MATERIAL_EFFECT = [
    (100, 0, 0), (84, 3, 2), (87, 2, 3), (90, 1, 1), (95, 0, 0), (103, -1, 0),
    (111, -1, -2), (119, -2, -1), (128, -3, -3), (137, -3, -4), (146, -6, -6),
]

# name, price, row, slue, wave, armour, cabins, ports, hold, minimum-cabins base,
# ALV, TLV, CLV, slots (jigger, figurehead, emblem, weapon, armour, side, bow, stern),
# default material ("" for none), era, sea, fore-and-aft sail, square sail, durability
SHIPS = [
    # adventure: ALV above both others
    ("バルシャ", 1200, 8, 24, 2, 2, 10, 4, 28, 4, 2, 1, 1, (1, 1, 1, 0, 0, 1, 0, 0), "-1", "15世紀", "地中海", 120, 95, 70),
    ("ピンネース", 3500, 6, 22, 3, 3, 14, 6, 40, 6, 5, 3, 2, (1, 1, 1, 0, 1, 1, 0, 0), 1, "16世紀", "北海", 150, 140, 95),
    ("キャラベル", 6800, 0, 20, 4, 4, 18, 8, 55, 8, 8, 5, 4, (1, 1, 1, 0, 1, 2, 0, 1), 2, "15世紀", "大西洋", 210, 160, 120),
    ("軽キャラベル", 4800, 0, 23, 3, 3, 14, 6, 40, 7, 6, 3, 3, (1, 1, 1, 0, 0, 1, 0, 1), 1, "15世紀", "大西洋", 200, 130, 100),
    ("ラティーナ・キャラベル", 9800, 0, 21, 4, 5, 20, 10, 70, 10, 12, 7, 8, (2, 1, 1, 0, 1, 2, 0, 1), 2, "15世紀", "地中海", 260, 150, 140),
    ("探検用キャラベル", 15500, 0, 19, 5, 6, 24, 10, 85, 11, 16, 9, 10, (2, 1, 1, 1, 1, 2, 1, 1), 3, "16世紀", "新大陸", 240, 200, 160),
    ("ケッチ", 12000, 0, 23, 4, 5, 16, 8, 60, 6, 10, 6, 7, (1, 1, 1, 0, 1, 2, 0, 0), 2, "17世紀", "北海", 240, 150, 130),
    ("スループ", 21000, 0, 24, 5, 8, 22, 14, 80, 9, 18, 10, 14, (2, 1, 1, 1, 1, 2, 1, 1), 3, "17世紀", "カリブ海", 300, 170, 190),
    ("スクーナー", 36000, 0, 22, 5, 9, 26, 16, 110, 12, 22, 15, 18, (2, 1, 1, 1, 1, 2, 1, 1), 4, "18世紀", "新大陸", 330, 190, 210),
    ("ブリガンティン", 42000, 0, 18, 6, 10, 30, 18, 120, 14, 24, 14, 20, (2, 1, 1, 1, 2, 2, 1, 1), 4, "17世紀", "大西洋", 280, 250, 230),
    ("ジーベック", 58000, 12, 20, 6, 12, 40, 24, 130, 20, 28, 18, 25, (2, 1, 1, 1, 2, 2, 1, 1), 5, "17世紀", "地中海", 280, 240, 280),
    ("測量船", 88000, 0, 17, 7, 12, 44, 20, 200, 18, 34, 20, 22, (3, 1, 1, 1, 2, 2, 1, 1), 5, "18世紀", "インド洋", 320, 290, 340),
    ("大型スクーナー", 120000, 0, 19, 7, 14, 52, 30, 280, 22, 38, 26, 30, (3, 1, 1, 1, 2, 3, 1, 1), 6, "18世紀", "新大陸", 360, 300, 450),
    ("探検用ガレオン", 145000, 0, 12, 9, 18, 70, 40, 320, 30, 40, 30, 36, (3, 1, 1, 2, 2, 3, 1, 1), 6, "17世紀", "太平洋", 310, 330, 520),
    ("クリッパー", 260000, 0, 16, 8, 15, 60, 36, 400, 25, 60, 42, 40, (4, 1, 1, 1, 2, 3, 1, 1), 7, "19世紀", "太平洋", 420, 400, 560),
    # trade: TLV at least ALV and above CLV
    ("ダウ", 2500, 0, 21, 2, 2, 12, 4, 45, 5, 1, 3, 1, (1, 1, 1, 0, 0, 1, 0, 0), "", "14世紀", "インド洋", 130, 110, 80),
    ("コグ", 5200, 0, 14, 4, 5, 16, 6, 80, 7, 2, 6, 3, (0, 1, 1, 0, 1, 1, 0, 0), 0, "14世紀", "北海", 100, 170, 130),
    ("サンブーク", 8400, 0, 19, 3, 4, 16, 6, 90, 7, 3, 8, 4, (1, 1, 1, 0, 1, 1, 0, 0), 1, "15世紀", "インド洋", 170, 120, 120),
    ("ハンザ・コグ", 14000, 0, 12, 5, 7, 24, 10, 150, 10, 4, 12, 6, (0, 1, 1, 0, 1, 2, 0, 1), 2, "15世紀", "北海", 110, 200, 170),
    ("キャラック", 19000, 0, 13, 5, 8, 30, 12, 170, 12, 6, 14, 8, (1, 1, 1, 0, 1, 2, 1, 1), 3, "15世紀", "大西洋", 180, 220, 220),
    ("ジャンク", 22000, 0, 14, 6, 9, 30, 14, 190, 13, 7, 15, 9, (1, 1, 1, 0, 1, 2, 0, 1), 3, "15世紀", "東アジア", 230, 190, 240),
    ("ナオ", 26000, 0, 12, 6, 9, 36, 16, 210, 15, 8, 16, 10, (1, 1, 1, 0, 1, 2, 1, 1), 3, "16世紀", "大西洋", 190, 240, 250),
    ("フリュート", 34000, 0, 13, 6, 8, 32, 12, 260, 14, 8, 20, 9, (1, 1, 1, 0, 1, 2, 0, 1), 4, "17世紀", "北海", 170, 260, 260),
    ("大型キャラック", 64000, 0, 10, 7, 14, 60, 28, 380, 25, 14, 30, 18, (1, 1, 1, 1, 2, 3, 1, 1), 5, "16世紀", "大西洋", 200, 300, 380),
    ("大型ガレオン", 185000, 0, 9, 10, 24, 110, 60, 620, 46, 30, 44, 40, (2, 1, 1, 1, 2, 4, 1, 1), 7, "16世紀", "大西洋", 250, 380, 640),
    ("ガレオン", 72000, 0, 11, 8, 16, 60, 34, 330, 26, 18, 28, 27, (2, 1, 1, 1, 2, 3, 1, 1), 5, "16世紀", "大西洋", 230, 330, 420),
    ("大型フリュート", 78000, 0, 10, 8, 12, 50, 20, 480, 20, 15, 32, 16, (1, 1, 1, 0, 2, 3, 0, 1), 5, "17世紀", "北海", 190, 310, 360),
    ("大型ジャンク", 96000, 0, 10, 8, 16, 70, 30, 520, 30, 16, 36, 20, (2, 1, 1, 1, 2, 3, 1, 1), 6, "16世紀", "東アジア", 280, 260, 430),
    ("バーク", 110000, 0, 14, 8, 14, 64, 30, 460, 28, 26, 38, 24, (2, 1, 1, 1, 2, 3, 1, 1), 6, "18世紀", "大西洋", 300, 320, 440),
    ("商用ガレオン", 130000, 0, 10, 9, 18, 80, 40, 560, 34, 22, 40, 26, (2, 1, 1, 1, 2, 3, 1, 1), 6, "17世紀", "太平洋", 240, 360, 500),
    ("イースト・インディアマン", 230000, 0, 9, 10, 26, 120, 60, 700, 50, 32, 50, 38, (2, 1, 1, 1, 3, 4, 1, 1), 7, "18世紀", "インド洋", 260, 400, 660),
    # combat: everything else, levels equal or CLV on top
    ("ガレー", 4200, 24, 16, 2, 6, 28, 12, 30, 12, 1, 1, 5, (0, 1, 1, 1, 1, 1, 1, 0), "", "14世紀", "地中海", 90, 80, 150),
    ("パタッシュ", 16000, 0, 22, 4, 8, 20, 16, 70, 9, 10, 6, 10, (1, 1, 1, 1, 1, 2, 1, 1), 2, "16世紀", "大西洋", 250, 180, 180),
    ("大型ガレー", 26000, 30, 11, 3, 12, 60, 30, 60, 26, 3, 2, 14, (0, 1, 1, 1, 2, 2, 1, 0), "-1", "15世紀", "地中海", 110, 100, 300),
    ("ポラッカ", 30000, 0, 18, 5, 11, 28, 22, 120, 13, 8, 9, 12, (1, 1, 1, 1, 1, 2, 1, 1), 3, "17世紀", "地中海", 260, 230, 240),
    ("武装商船", 38000, 0, 14, 6, 14, 36, 24, 200, 16, 12, 12, 12, (1, 1, 1, 1, 2, 2, 1, 1), 4, "17世紀", "大西洋", 210, 260, 300),
    ("コルベット", 45000, 0, 20, 6, 16, 40, 36, 140, 18, 14, 8, 22, (2, 1, 1, 1, 2, 3, 1, 1), 5, "18世紀", "大西洋", 300, 260, 330),
    ("ブリッグ", 52000, 0, 19, 6, 14, 38, 30, 160, 17, 16, 10, 20, (2, 1, 1, 1, 2, 3, 1, 1), 5, "18世紀", "カリブ海", 290, 280, 320),
    ("ガレアス", 68000, 26, 9, 5, 20, 80, 50, 150, 44, 8, 6, 24, (1, 1, 1, 2, 2, 3, 2, 1), 6, "16世紀", "地中海", 180, 200, 460),
    ("フリゲート", 98000, 0, 17, 7, 24, 60, 56, 220, 28, 20, 14, 32, (2, 1, 1, 2, 3, 4, 1, 1), 6, "18世紀", "大西洋", 310, 320, 480),
    ("重フリゲート", 175000, 0, 14, 8, 32, 80, 80, 300, 44, 28, 20, 42, (2, 1, 1, 2, 3, 4, 2, 1), 8, "18世紀", "大西洋", 300, 340, 620),
    ("装甲ガレオン", 210000, 0, 10, 9, 40, 100, 80, 380, 58, 26, 30, 48, (2, 1, 1, 2, 4, 4, 2, 2), 8, "17世紀", "カリブ海", 230, 350, 720),
    ("戦列艦", 280000, 0, 8, 10, 45, 140, 120, 360, 64, 30, 20, 56, (2, 1, 1, 2, 4, 4, 2, 2), 7, "18世紀", "北海", 260, 380, 820),
    ("鉄甲船", 320000, 0, 6, 9, 60, 160, 140, 300, 90, 20, 10, 60, (1, 1, 1, 3, 4, 4, 2, 2), 9, "16世紀", "東アジア", 200, 240, 900),
    ("一等戦列艦", 390000, 0, 7, 10, 55, 180, 160, 420, 96, 40, 24, 68, (2, 1, 1, 3, 4, 4, 2, 2), 8, "18世紀", "北海", 270, 400, 980),
]

# Lines that lack figures on purpose, so that the program shows them as unknown.
# Keyed by ship; each value maps a material index to the entry text written instead.
MISSING = {
    "ピンネース": {9: "", 10: ""},
    "ポラッカ": {3: "{l}//{d}", 5: "//{d}", 7: "{l}/{s}/"},
}
# This ship's line has figures for the first eight materials only; the rest stay empty.
SHORT_LINE = "ハンザ・コグ"
# The longer name stands earlier in the material file than the ship it contains.
CONTAINED_PAIR = ("ガレオン", "大型ガレオン")

NOTES = {"軽キャラベル": "小型", "探検用キャラベル": "改良型", "大型スクーナー": "改良型",
         "商用ガレオン": "改良型", "重フリゲート": "改良型", "一等戦列艦": "旗艦向け"}


def ship_line(number, ship):
    (name, price, row, slue, wave, armour, cabins, ports, hold, min_cabins,
     alv, tlv, clv, slots, default_material, era, sea, _, _, _) = ship
    skill = max(1, (alv + tlv + clv) // 6)
    build_days = 2 + price // 12000
    top_speed = 6 + slue // 3
    sellable = 0 if name == "鉄甲船" else 1
    columns = [name, price, skill, build_days, row, slue, wave, armour, top_speed,
               cabins, ports, hold, min_cabins, alv, tlv, clv, *slots,
               100 + number, default_material, era, sea, sellable, NOTES.get(name, "")]
    assert len(columns) == 30, name
    return ",".join(str(c) for c in columns)


def material_line(name, lsail, ssail, durability):
    entries = []
    for index, (strength_pct, lsail_pct, ssail_pct) in enumerate(MATERIAL_EFFECT):
        l = lsail * (100 + lsail_pct) // 100
        s = ssail * (100 + ssail_pct) // 100
        d = durability * strength_pct // 100
        entry = f"{l}/{s}/{d}"
        if index in MISSING.get(name, {}):
            entry = MISSING[name][index].format(l=l, s=s, d=d)
        entries.append(entry)
    if name == SHORT_LINE:
        entries = entries[:8] + [""] * (len(entries) - 8)
    return ",".join([name, *entries])


def material_order(names):
    """A shuffled order in which a name contained in another comes first,
    except for the one pair kept the other way round on purpose."""
    order = list(names)
    random.Random(1522).shuffle(order)

    def must_precede(a, b):
        if (a, b) == (CONTAINED_PAIR[1], CONTAINED_PAIR[0]):
            return True
        if (a, b) == CONTAINED_PAIR:
            return False
        return a != b and a in b

    changed = True
    while changed:
        changed = False
        for i in range(len(order)):
            for j in range(i + 1, len(order)):
                if must_precede(order[j], order[i]):
                    order.insert(i, order.pop(j))
                    changed = True
    return order


def check(ship_names, material_lines):
    """Every ship's first containing material line is its own, but for the pair."""
    encoded = [line.encode("cp932") for line in material_lines]
    for name in ship_names:
        key = name.encode("cp932")
        first = next(i for i, line in enumerate(encoded) if key in line)
        own = next(i for i, line in enumerate(encoded) if line.split(b",")[0] == key)
        if name == CONTAINED_PAIR[0]:
            assert first < own, "the pair lost its order"
        else:
            assert first == own, f"{name} is found in line {first}, not in its own line {own}"


def write(path, lines):
    with open(path, "w", encoding="cp932", newline="\r\n") as f:
        for line in lines:
            f.write(line + "\n")


def main():
    names = [s[0] for s in SHIPS]
    assert len(set(names)) == len(names)
    by_name = {s[0]: s for s in SHIPS}

    ship_lines = [",".join(SHIP_HEADER)] + [ship_line(i, s) for i, s in enumerate(SHIPS)]
    material_lines = [",".join(MATERIAL_HEADER)]
    for name in material_order(names):
        material_lines.append(material_line(name, *by_name[name][-3:]))
    check(names, material_lines)

    DATA.mkdir(exist_ok=True)
    write(DATA / "ship_varietion.csv", ship_lines)
    write(DATA / "ship_material.csv", material_lines)
    print(f"{len(SHIPS)} ships written to {DATA}")


if __name__ == "__main__":
    main()
