<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Checker</name>
    <message>
        <source>cannot be read (missing, not a regular file, larger than 64 MiB, or without permission to read): the program says so in a message box and loads no ships</source>
        <translation>読めません (ファイルがない、通常のファイルでない、64 MiB を超える、または読み取り権限がない): プログラムはメッセージボックスでそう伝え、船を一隻も読み込みません</translation>
    </message>
    <message>
        <source>column %1 reads &quot;%2&quot;, which is not a whole number (a blank or tab after the digits, a decimal point or a value out of range spoils it): the program reads it as -1</source>
        <translation>列 %1 は「%2」で、整数ではありません (数字の後の空白やタブ、小数点、範囲外の値は整数になりません): プログラムは -1 として読みます</translation>
    </message>
    <message>
        <source>column %1 holds bytes that are not valid code page 932; decoded it reads &quot;%2&quot;</source>
        <translation>列 %1 にコードページ 932 として正しくないバイトがあります。デコードすると「%2」になります</translation>
    </message>
    <message>
        <source>the line has more than 30 columns: everything from here on is ignored</source>
        <translation>この行は 30 列を超えています: ここから先はすべて無視されます</translation>
    </message>
    <message>
        <source>material %1 reads &quot;%2&quot;, not three figures separated by two &quot;/&quot;: fore-and-aft sail and square sail are read as missing (the tab shows &quot;?&quot;) and the text is taken as durability; write &quot;/&quot; for each missing figure, as in &quot;//%2&quot;</source>
        <translation>材質 %1 は「%2」で、2 つの「/」で区切った 3 つの数値ではありません: 縦帆と横帆は値なしとして読まれ (タブには「?」と表示)、この文字列は耐久として読まれます。値のない数値ごとに「/」を書いてください (例:「//%2」)</translation>
    </message>
    <message>
        <source>material %1 reads &quot;%2&quot;, not three figures separated by two &quot;/&quot;: square sail is read as missing (the tab shows &quot;?&quot;), the first figure as fore-and-aft sail and the second as durability</source>
        <translation>材質 %1 は「%2」で、2 つの「/」で区切った 3 つの数値ではありません: 横帆は値なしとして読まれ (タブには「?」と表示)、1 つ目の数値は縦帆、2 つ目は耐久として読まれます</translation>
    </message>
    <message>
        <source>material %1 reads &quot;%2&quot;, which has more than two &quot;/&quot;: durability is read from everything after the second &quot;/&quot; and is missing (the tab shows &quot;?&quot;)</source>
        <translation>材質 %1 は「%2」で、「/」が 3 つ以上あります: 耐久は 2 つ目の「/」より後のすべてから読まれ、値なしになります (タブには「?」と表示)</translation>
    </message>
    <message>
        <source>fore-and-aft sail</source>
        <translation>縦帆</translation>
    </message>
    <message>
        <source>square sail</source>
        <translation>横帆</translation>
    </message>
    <message>
        <source>durability</source>
        <translation>耐久</translation>
    </message>
    <message>
        <source>the %1 of material %2 reads &quot;%3&quot;, which is not a whole number (a blank or tab after the digits, a decimal point or a value out of range spoils it): the program reads it as -1 and the tab shows &quot;?&quot;</source>
        <translation>材質 %2 の%1は「%3」で、整数ではありません (数字の後の空白やタブ、小数点、範囲外の値は整数になりません): プログラムは -1 として読み、タブには「?」と表示されます</translation>
    </message>
    <message>
        <source>the line has more than 11 material entries: everything from here on is ignored</source>
        <translation>この行には材質の項目が 11 より多くあります: ここから先はすべて無視されます</translation>
    </message>
    <message>
        <source>the line has %1 of the 11 material entries: materials %2 to 10 have no figures and the tab shows &quot;?&quot; for them; add empty entries (&quot;,&quot;) where figures are missing on purpose</source>
        <translation>この行には材質の項目が 11 のうち %1 しかありません: 材質 %2 から 10 には数値がなく、タブには「?」と表示されます。わざと値を書かない項目には空の項目 (「,」) を加えてください</translation>
    </message>
    <message>
        <source>an empty line among the ships: the list shows an empty entry, a ship without a name or figures; remove the line</source>
        <translation>船の行の間に空行があります: 一覧には名前も数値もない空の項目が表示されます。この行を削除してください</translation>
    </message>
    <message>
        <source>the ship has no name: the list shows an empty entry, and no material line can belong to it, so every material figure shows &quot;?&quot;</source>
        <translation>船の名前が空です: 一覧には空の項目が表示され、どの材質行もこの船のものにならないため、材質の数値はすべて「?」と表示されます</translation>
    </message>
    <message>
        <source>the name holds bytes that are not valid code page 932: the list and the tab show &quot;%1&quot;</source>
        <translation>名前にコードページ 932 として正しくないバイトがあります: 一覧とタブには「%1」と表示されます</translation>
    </message>
    <message>
        <source>no line of the material file holds the name &quot;%1&quot;: every material figure of this ship shows &quot;?&quot;; check the name in both files</source>
        <translation>材質ファイルのどの行にも名前「%1」がありません: この船の材質の数値はすべて「?」と表示されます。両方のファイルで名前を確かめてください</translation>
    </message>
    <message>
        <source>no material line is named &quot;%1&quot;: the ship takes the figures of material line %2, which merely contains the name</source>
        <translation>「%1」という名前の材質行がありません: この船は、名前を含んでいるだけの材質行 %2 の数値を使います</translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes its figures from this line</source>
        <translation>「%1」はこの行の数値を使います</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is also the name of the ship on line %2: opening either one shows the figures of that earlier line</source>
        <translation>「%1」は %2 行目の船の名前でもあります: どちらを開いても、その前の行の数値が表示されます</translation>
    </message>
    <message>
        <source>the earlier ship named &quot;%1&quot;</source>
        <translation>「%1」という名前の前の船</translation>
    </message>
    <message>
        <source>a NUL byte: the program ignores everything from here to the end of the file (%1 bytes)</source>
        <translation>NUL バイトがあります: プログラムはここからファイルの終わりまで (%1 バイト) をすべて無視します</translation>
    </message>
    <message>
        <source>this ship line is never loaded: the material file has only %1 lines, and the program loads a ship line only while its line number is at most that; give the material file a line more</source>
        <translation>この船の行は読み込まれません: 材質ファイルには %1 行しかなく、プログラムは行番号がそれ以下の船の行しか読み込みません。材質ファイルに行を 1 つ加えてください</translation>
    </message>
    <message>
        <source>this ship line and the %1 after it are never loaded: the material file has only %2 lines, and the program loads a ship line only while its line number is at most that; give the material file as many lines as the ship file</source>
        <translation>この船の行とその後の %1 行は読み込まれません: 材質ファイルには %2 行しかなく、プログラムは行番号がそれ以下の船の行しか読み込みません。材質ファイルを船種ファイルと同じ行数にしてください</translation>
    </message>
    <message>
        <source>no loaded ship takes its figures from this line (&quot;%1&quot;): the program never uses it; check the name against the ship file</source>
        <translation>読み込まれたどの船もこの行 (「%1」) の数値を使いません: プログラムはこの行を使いません。船種ファイルの名前と照らし合わせてください</translation>
    </message>
    <message>
        <source>Usage: shipplanner-check [FOLDER]
       shipplanner-check SHIP_FILE MATERIAL_FILE
Checks FOLDER/data/ship_varietion.csv and FOLDER/data/ship_material.csv (FOLDER: the current directory when not given), or the two files named, and reports everything the program reads differently from what they seem to say, one finding a line as PATH:LINE:COLUMN: warning: MESSAGE [ID].
Exit status: 0 nothing found, 1 warnings, 2 a file unreadable or a wrong command line.</source>
        <translation>使い方: shipplanner-check [フォルダー]
        shipplanner-check 船種ファイル 材質ファイル
フォルダー/data/ship_varietion.csv とフォルダー/data/ship_material.csv (フォルダーを省くと現在のディレクトリー)、または指定した 2 つのファイルを調べ、プログラムが見かけと違って読むところをすべて、1 行に 1 件ずつ「パス:行:列: warning: メッセージ [ID]」の形で報告します。
終了コード: 0 は指摘なし、1 は警告あり、2 はファイルが読めないかコマンドラインの誤り。</translation>
    </message>
    <message>
        <source>ships loaded: %1, warnings: %2</source>
        <translation>読み込んだ船: %1 隻、警告: %2 件</translation>
    </message>
    <message>
        <source>the line has %1 of the 30 columns: columns %2 to 29 are missing, so their figures are -1 and their texts empty</source>
        <translation>この行には 30 列のうち %1 列しかありません: 列 %2 から 29 がないため、その数値は -1、文字列は空になります</translation>
    </message>
    <message>
        <source>the default material (column 25) is %1, outside -1 to 9: a tab for this ship starts on material 0 instead</source>
        <translation>既定の材質 (列 25) が %1 で、-1 から 9 の範囲外です: この船のタブは代わりに材質 0 で始まります</translation>
    </message>
</context>
</TS>
