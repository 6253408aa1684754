<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
    <context>
        <name>HelpWindow</name>
        <message>
            <source>How to use</source>
            <translation>使い方</translation>
        </message>
    </context>
    <context>
        <name>Input_Serch</name>
        <message>
            <source>serch menu</source>
            <translation>検索メニュー</translation>
        </message>
        <message>
            <source>Serch menu</source>
            <translation>検索メニュー</translation>
        </message>
        <message>
            <source>No</source>
            <translation>回号</translation>
        </message>
        <message>
            <source>mode</source>
            <translation>モード</translation>
        </message>
        <message>
            <source>Bought No entry(%1)</source>
            <translation>購入番号の登録(%1)</translation>
        </message>
        <message>
            <source>Bought No serch</source>
            <translation>購入番号の検索</translation>
        </message>
        <message>
            <source>Data to Times</source>
            <translation>当選番号から回号へ</translation>
        </message>
        <message>
            <source>Times to Data</source>
            <translation>回号から当選番号へ</translation>
        </message>
        <message>
            <source>Bought Number Serch</source>
            <translation>購入した番号を検索します</translation>
        </message>
        <message>
            <source>Bought Number Entry</source>
            <translation>購入した番号を登録します</translation>
        </message>
        <message>
            <source>change to data from times</source>
            <translation>回号から当選番号を調べます</translation>
        </message>
        <message>
            <source>change to times from data</source>
            <translation>当選番号が出た回数を調べます</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>クリア</translation>
        </message>
        <message>
            <source>Data</source>
            <translation>当選番号</translation>
        </message>
        <message>
            <source>Input Bought No</source>
            <translation>購入番号を入力</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>エラー</translation>
        </message>
        <message>
            <source>No Data</source>
            <translation>データがありません</translation>
        </message>
        <message>
            <source>The bought number list is full (%1 numbers).
Clear it to enter more.</source>
            <translation>購入番号の一覧がいっぱいです（%1 件）。
さらに登録するにはクリアしてください。</translation>
        </message>
        <message>
            <source>There  are %1 times</source>
            <translation>%1 回出ています</translation>
        </message>
        <message>
            <source>There aren't No Namber</source>
            <translation>その番号は出ていません</translation>
        </message>
        <message>
            <source>serch result</source>
            <translation>検索結果</translation>
        </message>
        <message>
            <source>%1 times data is %2</source>
            <translation>第 %1 回のデータは %2 です</translation>
        </message>
        <message>
            <source>There are hit:%1 times </source>
            <translation>%1 回購入しています</translation>
        </message>
        <message>
            <source>There are no hit</source>
            <translation>購入していません</translation>
        </message>
    </context>
    <context>
        <name>Random</name>
        <message>
            <source>Box Pattern</source>
            <translation>ボックスの組み合わせ</translation>
        </message>
        <message>
            <source>Strate &amp; box pattern:%1</source>
            <translation>ストレート兼ボックス:%1</translation>
        </message>
        <message>
            <source>Strate &amp; box pattern:%1
Box No1:%2
Box No2:%3</source>
            <translation>ストレート兼ボックス:%1
ボックス1:%2
ボックス2:%3</translation>
        </message>
        <message>
            <source>Strate &amp; box pattern:%1 Box No1:%2
Box No2:%3</source>
            <translation>ストレート兼ボックス:%1 ボックス1:%2
ボックス2:%3</translation>
        </message>
        <message>
            <source>Strate &amp; box pattern:%1Box No1:%2
Box No2:%3</source>
            <translation>ストレート兼ボックス:%1ボックス1:%2
ボックス2:%3</translation>
        </message>
        <message>
            <source>Strate:%1
Box No1:%2
Box No2:%3
Box No3:%4
Box No4:%5
Box No5:%6
</source>
            <translation>ストレート:%1
ボックス1:%2
ボックス2:%3
ボックス3:%4
ボックス4:%5
ボックス5:%6
</translation>
        </message>
        <message>
            <source>Korvel no Numbers</source>
            <translation>コーヴェルのナンバーズ</translation>
        </message>
        <message>
            <source>Left Button click:Nuber Stop.
Right Button click:Settei menu.</source>
            <translation>左クリック:数字を止める
右クリック:設定メニュー</translation>
        </message>
    </context>
    <context>
        <name>Setup_config</name>
        <message>
            <source>settei menu numbers3</source>
            <translation>設定メニュー ナンバーズ3</translation>
        </message>
        <message>
            <source>mode</source>
            <translation>モード</translation>
        </message>
        <message>
            <source>Settei menu numbers3</source>
            <translation>ナンバーズ3の設定メニュー</translation>
        </message>
        <message>
            <source>type</source>
            <translation>種類</translation>
        </message>
        <message>
            <source>Numbers3</source>
            <translation>ナンバーズ3</translation>
        </message>
        <message>
            <source>Numbers4</source>
            <translation>ナンバーズ4</translation>
        </message>
        <message>
            <source>Random mode</source>
            <translation>ランダムモード</translation>
        </message>
        <message>
            <source>Rundom mode</source>
            <translation>各桁の上限を決めて数字を回します</translation>
        </message>
        <message>
            <source>self mode</source>
            <translation>セルフモード</translation>
        </message>
        <message>
            <source>Max_4</source>
            <translation>千の位</translation>
        </message>
        <message>
            <source>Max_3</source>
            <translation>百の位</translation>
        </message>
        <message>
            <source>3 digdit</source>
            <translation>3桁目（百の位）</translation>
        </message>
        <message>
            <source>hundreds digit</source>
            <translation>百の位</translation>
        </message>
        <message>
            <source>Max_2</source>
            <translation>十の位</translation>
        </message>
        <message>
            <source>2 digdit</source>
            <translation>2桁目（十の位）</translation>
        </message>
        <message>
            <source>tens digit</source>
            <translation>十の位</translation>
        </message>
        <message>
            <source>Max_1</source>
            <translation>一の位</translation>
        </message>
        <message>
            <source>1 digdit</source>
            <translation>1桁目（一の位）</translation>
        </message>
        <message>
            <source>ones digit</source>
            <translation>一の位</translation>
        </message>
        <message>
            <source>OK and close</source>
            <translation>OKして閉じる</translation>
        </message>
        <message>
            <source>Version</source>
            <translation>バージョン</translation>
        </message>
        <message>
            <source>help</source>
            <translation>ヘルプ</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>ヘルプを表示します</translation>
        </message>
        <message>
            <source>serch</source>
            <translation>検索</translation>
        </message>
        <message>
            <source>Past Data Serch menu</source>
            <translation>過去データの検索メニュー</translation>
        </message>
        <message>
            <source>Version:Numbers3 1.1.1
A roll-and-pick helper for the three-digit number lottery.
Written by the Numbers3 developers.
Contact: see the README that comes with the program.
Copyright (C) 2026 the Numbers3 developers.</source>
            <translation>Version:Numbers3 1.1.1
3桁の数字くじのための数字選びの道具です。
作者: Numbers3 の開発者
連絡先: プログラムに付属の README をご覧ください。
Copyright (C) 2026 the Numbers3 developers.</translation>
        </message>
    </context>
</TS>
