<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>BookLookup</name>
    <message>
        <source>Type a draw number of 1 or more.</source>
        <translation>1 以上の回号を入力してください。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>出どころ：%1</translation>
    </message>
    <message>
        <source>Type a number of one to three digits, 0 to 999.</source>
        <translation>1〜3 桁の数字（0〜999）を入力してください。</translation>
    </message>
    <message>
        <source>%1 has not come up in the %2 draws of the book.</source>
        <translation>%1 は番号帳の %2 回の抽せんで一度も出ていません。</translation>
    </message>
    <message>
        <source>%1 has not come up as a box in the %2 draws of the book.</source>
        <translation>%1 はボックスでも番号帳の %2 回の抽せんで一度も出ていません。</translation>
    </message>
    <message>
        <source>%1 came up in %2 of the %3 draws of the book:</source>
        <translation>%1 は番号帳の %3 回のうち %2 回出ています：</translation>
    </message>
    <message>
        <source>%1 came up as a box (its digits in any order) in %2 of the %3 draws of the book:</source>
        <translation>%1 はボックス（同じ数字の並べ替え）で番号帳の %3 回のうち %2 回出ています：</translation>
    </message>
    <message>
        <source>%1 has more digits than a draw number (6 at most). Type a draw number of 1 or more.</source>
        <translation>%1 は回号としてはけたが多すぎます（6 けたまで）。1 以上の回号を入力してください。</translation>
    </message>
    <message>
        <source>Type a number of one to four digits, 0 to 9999.</source>
        <translation>1 桁から 4 桁の数字（0 から 9999）を入力してください。</translation>
    </message>
    <message>
        <source>%1 (%2) is not in the book. Import the operator&apos;s file %3 (Book, Import files) or enter the result by hand (Book, Enter a result by hand).</source>
        <translation>%1（%2）は番号帳にありません。運営者のファイル %3 を取り込む（番号帳 → ファイルを取り込む）か、結果を手入力してください（番号帳 → 結果を手入力する）。</translation>
    </message>
</context>
<context>
    <name>BookTexts</name>
    <message>
        <source>The book holds no results yet</source>
        <translation>番号帳にはまだ結果がありません</translation>
    </message>
    <message>
        <source>Results up to draw %1 (%2)</source>
        <translation>第%1回（%2）までの結果</translation>
    </message>
    <message>
        <source>Next draw: %1 on %2</source>
        <translation>次の抽せん：第%1回（%2）</translation>
    </message>
    <message>
        <source>%1; today&apos;s sales are open until 18:30 Japan time</source>
        <translation>%1。本日の販売は 18:30（日本時間）まで</translation>
    </message>
    <message>
        <source>%1; today&apos;s sales closed at 18:30 Japan time</source>
        <translation>%1。本日の販売は 18:30（日本時間）に締め切りました</translation>
    </message>
    <message>
        <source>%1; no draw today</source>
        <translation>%1。本日は抽せんがありません</translation>
    </message>
    <message>
        <source>Missing draws between the first and the last known: %1</source>
        <translation type="vanished">最初と最後の回の間で抜けている回：%1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1 to %2 (%3 draws)</source>
        <translation>%1〜%2（%3 回分）</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>ストレート</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>ボックス</translation>
    </message>
    <message>
        <source>Set (straight)</source>
        <translation>セット(ストレート)</translation>
    </message>
    <message>
        <source>Set (box)</source>
        <translation>セット(ボックス)</translation>
    </message>
    <message>
        <source>Mini</source>
        <translation>ミニ</translation>
    </message>
    <message>
        <source>no winner</source>
        <translation>該当なし</translation>
    </message>
    <message>
        <source>%1 yen</source>
        <translation>%1円</translation>
    </message>
    <message>
        <source>%1 yen (%2 units)</source>
        <translation>%1円（%2口）</translation>
    </message>
    <message>
        <source>bundled</source>
        <translation>内蔵</translation>
    </message>
    <message>
        <source>entered by hand</source>
        <translation>手入力</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1（%2）：%3</translation>
    </message>
    <message>
        <source>Draws held so far that the book lacks: %1</source>
        <translation>これまでに行われた回のうち番号帳にないもの：%1</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
    <message>
        <source>The book holds no %1 results yet</source>
        <translation>記録帳にはまだ %1 の結果がありません</translation>
    </message>
    <message>
        <source>%1 results up to draw %2 (%3)</source>
        <translation>%1 の結果は第%2回（%3）まで</translation>
    </message>
    <message>
        <source>No draw is missing</source>
        <translation>番号帳にない回はありません</translation>
    </message>
    <message>
        <source>Draws missing: %1</source>
        <translation>番号帳にない回：%1</translation>
    </message>
</context>
<context>
    <name>BookWindow</name>
    <message>
        <source>&amp;Statistics</source>
        <translation>統計(&amp;S)</translation>
    </message>
    <message>
        <source>Go to the &amp;statistics</source>
        <translation>統計へ移動(&amp;S)</translation>
    </message>
    <message>
        <source>Results in the book</source>
        <translation>番号帳の結果</translation>
    </message>
    <message>
        <source>Next draw</source>
        <translation>次の抽せん</translation>
    </message>
    <message>
        <source>Draws between the first and the last known that the book does not hold</source>
        <translation type="vanished">最初と最後の回の間で番号帳にない回</translation>
    </message>
    <message>
        <source>Draws in the book, newest first</source>
        <translation>番号帳の抽せん結果（新しい順）</translation>
    </message>
    <message>
        <source>%1 yen (%2 units)</source>
        <translation>%1円（%2口）</translation>
    </message>
    <message>
        <source>such as 123</source>
        <translation>例：123</translation>
    </message>
    <message>
        <source>&amp;Look up</source>
        <translation>調べる(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Book</source>
        <translation>番号帳(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Import files...</source>
        <translation>ファイルを取り込む(&amp;I)...</translation>
    </message>
    <message>
        <source>Import a &amp;folder...</source>
        <translation>フォルダーを取り込む(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Enter a result by hand...</source>
        <translation>結果を手入力する(&amp;E)...</translation>
    </message>
    <message>
        <source>E&amp;xport as CSV...</source>
        <translation>CSV に書き出す(&amp;X)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Which draws a number came up in</source>
        <translation>数字が出た回(&amp;W)</translation>
    </message>
    <message>
        <source>Whether a number came up as a &amp;box</source>
        <translation>数字がボックスで出たか(&amp;B)</translation>
    </message>
    <message>
        <source>The &amp;result of a draw</source>
        <translation>ある回の抽せん結果(&amp;R)</translation>
    </message>
    <message>
        <source>Go to the &amp;table</source>
        <translation>一覧表へ移動(&amp;T)</translation>
    </message>
    <message>
        <source>Go to the &amp;missing draws</source>
        <translation>抜けている回へ移動(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Results book &amp;help</source>
        <translation>当せん番号帳のヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>このプログラムについて(&amp;A)</translation>
    </message>
    <message>
        <source>%1 draws in %2</source>
        <translation>%2 に %1 回分</translation>
    </message>
    <message>
        <source>Import result files</source>
        <translation>結果ファイルを取り込む</translation>
    </message>
    <message>
        <source>Result files (*.csv *.CSV);;All files (*)</source>
        <translation>結果ファイル (*.csv *.CSV);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Import every CSV file in a folder</source>
        <translation>フォルダー内の CSV ファイルをすべて取り込む</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>取り込み</translation>
    </message>
    <message>
        <source>There is no CSV file in what was given.</source>
        <translation>指定されたものに CSV ファイルがありません。</translation>
    </message>
    <message>
        <source>Import finished; some files were refused</source>
        <translation>取り込みが終わりました。取り込めなかったファイルがあります</translation>
    </message>
    <message>
        <source>Import finished</source>
        <translation>取り込みが終わりました</translation>
    </message>
    <message>
        <source>Enter a result by hand</source>
        <translation>結果の手入力</translation>
    </message>
    <message>
        <source>The result was not stored.</source>
        <translation>結果は保存されませんでした。</translation>
    </message>
    <message>
        <source>Stored %1</source>
        <translation>保存しました：%1</translation>
    </message>
    <message>
        <source>Export the book as CSV</source>
        <translation>番号帳を CSV に書き出す</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>The book was not written to %1.</source>
        <translation>番号帳を %1 に書き出せませんでした。</translation>
    </message>
    <message>
        <source>%1 draws written to %2</source>
        <translation>%2 に %1 回分を書き出しました</translation>
    </message>
    <message>
        <source>About the results book</source>
        <translation>当せん番号帳について</translation>
    </message>
    <message>
        <source>&amp;Draws</source>
        <translation>一覧(&amp;D)</translation>
    </message>
    <message>
        <source>Digit &amp;chart</source>
        <translation>数字のグラフ(&amp;C)</translation>
    </message>
    <message>
        <source>T&amp;ickets</source>
        <translation>購入(&amp;I)</translation>
    </message>
    <message>
        <source>Tickets graded: %1; won: %2.</source>
        <translation type="vanished">結果が出た購入：%1 件、うち当せん：%2 件。</translation>
    </message>
    <message>
        <source>Import stopped; the files read before are in the book</source>
        <translation>取り込みを中止しました。それまでに読んだファイルは番号帳に入っています</translation>
    </message>
    <message>
        <source>The watched folder</source>
        <translation>見張るフォルダー</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>The game whose draws, lookups and statistics are shown</source>
        <translation>抽せん結果・検索・統計を表示するゲーム</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>ゲーム(&amp;G)：</translation>
    </message>
    <message>
        <source>such as 1234</source>
        <translation>例：1234</translation>
    </message>
    <message>
        <source>Numbers3 and Numbers4 results book</source>
        <translation>ナンバーズ3・ナンバーズ4 当せん番号帳</translation>
    </message>
    <message>
        <source>Numbers3 and Numbers4 results book %1

Keeps the results of Numbers3 and Numbers4, and your tickets, in %2.
Free software under the GNU General Public License, version 3 or later.</source>
        <translation>ナンバーズ3・ナンバーズ4 当せん番号帳 %1

ナンバーズ3・ナンバーズ4 の当せん番号と購入の記録を %2 に記録します。
GNU 一般公衆利用許諾書 バージョン 3 以降のもとで配布されるフリーソフトウェアです。</translation>
    </message>
    <message>
        <source>Ctrl+M or a click lists them</source>
        <translation>Ctrl+M かクリックで一覧を表示します</translation>
    </message>
</context>
<context>
    <name>DigitChart</name>
    <message>
        <source>Hundreds</source>
        <translation>百の位</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>十の位</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>一の位</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>回数</translation>
    </message>
    <message>
        <source>How often each digit came up</source>
        <translation>各数字が出た回数</translation>
    </message>
    <message>
        <source>%1: hundreds %2, tens %3, ones %4</source>
        <translation>%1：百の位 %2 回、十の位 %3 回、一の位 %4 回</translation>
    </message>
    <message>
        <source>How often each digit came up in the %1 draws of the book</source>
        <translation>番号帳の %1 回で各数字が出た回数</translation>
    </message>
    <message>
        <source>Thousands</source>
        <translation>千の位</translation>
    </message>
    <message>
        <source>%1: thousands %2, hundreds %3, tens %4, ones %5</source>
        <translation>%1：千の位 %2 回、百の位 %3 回、十の位 %4 回、一の位 %5 回</translation>
    </message>
</context>
<context>
    <name>DrawTableModel</name>
    <message>
        <source>Draw</source>
        <translation>回号</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>抽せん日</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>当せん番号</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>出どころ</translation>
    </message>
</context>
<context>
    <name>HandEntry</name>
    <message>
        <source>The draw number must be 1 or more.</source>
        <translation>回号は 1 以上にしてください。</translation>
    </message>
    <message>
        <source>The date is not a real day.</source>
        <translation>存在しない日付です。</translation>
    </message>
    <message>
        <source>The number must be three digits, 000 to 999, such as 007.</source>
        <translation>当せん番号は 007 のような 3 桁の数字（000〜999）にしてください。</translation>
    </message>
    <message>
        <source>The prize for %1 must be an amount in yen, such as 90,400; 0 for no winner, or empty when not known.</source>
        <translation>%1の当せん金は 90,400 のような円の金額にしてください。該当なしは 0、わからないときは空欄にします。</translation>
    </message>
    <message>
        <source>By the draw calendar %1 was held on %2, not on %3.</source>
        <translation>抽せん日程では%1は %3 ではなく %2 です。</translation>
    </message>
    <message>
        <source>There is no draw on %1. Give the day the draw was held.</source>
        <translation>%1 は抽せんのない日です。抽せんのあった日を入れてください。</translation>
    </message>
    <message>
        <source>%1 is drawn on %2; its result cannot be known before %3 Japan time that day.</source>
        <translation>%1の抽せん日は %2 です。結果はその日の日本時間 %3 まで分かりません。</translation>
    </message>
    <message>
        <source>The number must be four digits, 0000 to 9999, such as 0071.</source>
        <translation>番号は 0000 から 9999 までの 4 桁です（例：0071）。</translation>
    </message>
    <message>
        <source>The winners of %1 must be a count of units, such as 1,234; 0 only where the prize is 0 (no winner), or empty when not known.</source>
        <translation>%1 の当せん口数は 1,234 のような口数で入力してください。0 は当せん金が 0（該当なし）のときだけです。わからなければ空欄にします。</translation>
    </message>
</context>
<context>
    <name>HandEntryDialog</name>
    <message>
        <source>Enter a result by hand</source>
        <translation>結果の手入力</translation>
    </message>
    <message>
        <source>Draw number</source>
        <translation>回号</translation>
    </message>
    <message>
        <source>Draw date</source>
        <translation>抽せん日</translation>
    </message>
    <message>
        <source>Filled in from the draw calendar when the draw number changes</source>
        <translation>回号を変えると抽せん日程から入ります</translation>
    </message>
    <message>
        <source>three digits, such as 007</source>
        <translation>007 のような 3 桁</translation>
    </message>
    <message>
        <source>Winning number</source>
        <translation>当せん番号</translation>
    </message>
    <message>
        <source>&amp;Draw:</source>
        <translation>回号(&amp;D)：</translation>
    </message>
    <message>
        <source>D&amp;ate:</source>
        <translation>抽せん日(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;Number:</source>
        <translation>当せん番号(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Straight:</source>
        <translation>ストレート(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Box:</source>
        <translation>ボックス(&amp;B)：</translation>
    </message>
    <message>
        <source>Set (s&amp;traight):</source>
        <translation>セット(ストレート)(&amp;T)：</translation>
    </message>
    <message>
        <source>Set (b&amp;ox):</source>
        <translation>セット(ボックス)(&amp;O)：</translation>
    </message>
    <message>
        <source>&amp;Mini:</source>
        <translation>ミニ(&amp;M)：</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Prize for %1</source>
        <translation>%1の当せん金</translation>
    </message>
    <message>
        <source>Sto&amp;re</source>
        <translation>保存(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Store</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Store it with the date you typed?</source>
        <translation>入力した日付のまま保存しますか？</translation>
    </message>
    <message>
        <source>&amp;Change the date</source>
        <translation>日付を直す(&amp;C)</translation>
    </message>
    <message>
        <source>Enter a Numbers4 result by hand</source>
        <translation>ナンバーズ4 の結果を手入力</translation>
    </message>
    <message>
        <source>four digits, such as 0071</source>
        <translation>4 桁（例：0071）</translation>
    </message>
    <message>
        <source>Prize per unit in yen and winners in units (optional; prize 0 for no winner)</source>
        <translation>1 口あたりの当せん金（円）と当せん口数（省略可。当せん金 0 は該当なし）</translation>
    </message>
    <message>
        <source>winners not known</source>
        <translation>口数不明</translation>
    </message>
    <message>
        <source>Winners of %1, in units</source>
        <translation>%1 の当せん口数</translation>
    </message>
</context>
<context>
    <name>ImportBatch</name>
    <message>
        <source>%1 new, %2 already known, %3 replaced</source>
        <translation>新規 %1 件、登録済み %2 件、置き換え %3 件</translation>
    </message>
    <message>
        <source>, %1 kept (entered by hand)</source>
        <translation>、手入力を残した %1 件</translation>
    </message>
    <message>
        <source>%1: %2 is drawn on %3; its result cannot be known before %4 Japan time that day</source>
        <translation>%1：%2の抽せん日は %3 です。結果はその日の日本時間 %4 まで分かりません</translation>
    </message>
</context>
<context>
    <name>ImportReportDialog</name>
    <message>
        <source>Import report</source>
        <translation>取り込みの結果</translation>
    </message>
    <message>
        <source>Some files were not imported. Nothing of those files was stored:</source>
        <translation>取り込めなかったファイルがあります。それらのファイルからは何も保存していません：</translation>
    </message>
    <message>
        <source>Every file was imported:</source>
        <translation>すべてのファイルを取り込みました：</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>The import was stopped. The files read before it went in:</source>
        <translation>取り込みを中止しました。それまでに読んだファイルは取り込みました：</translation>
    </message>
</context>
<context>
    <name>BookStore</name>
    <message>
        <source>The book %1 is damaged (%2) and could not be moved aside. Nothing was changed.</source>
        <translation>番号帳 %1 は壊れていて（%2）、脇に移せませんでした。何も変更していません。</translation>
    </message>
    <message>
        <source>The book is not open.</source>
        <translation>番号帳が開いていません。</translation>
    </message>
    <message>
        <source>The draw number must be 1 or more.</source>
        <translation>回号は 1 以上にしてください。</translation>
    </message>
    <message>
        <source>The result must have three digits.</source>
        <translation>当せん番号は 3 桁にしてください。</translation>
    </message>
    <message>
        <source>Draw %1 is already in the book as %2.</source>
        <translation>第%1回はすでに %2 として番号帳にあります。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません：%2</translation>
    </message>
    <message>
        <source>The result must have four digits.</source>
        <translation>当せん番号は 4 桁です。</translation>
    </message>
</context>
<context>
    <name>BookCli</name>
    <message>
        <source>error: %1</source>
        <translation>エラー：%1</translation>
    </message>
    <message>
        <source>1 ticket written</source>
        <translation>購入の記録を 1 件書き出しました</translation>
    </message>
    <message>
        <source>%1 tickets written</source>
        <translation>購入の記録を %1 件書き出しました</translation>
    </message>
    <message>
        <source>error: there is no CSV file in what was given</source>
        <translation>エラー：指定したものの中に CSV ファイルがありません</translation>
    </message>
    <message>
        <source>error: the watched folder does not exist</source>
        <translation>エラー：見張るフォルダーがありません</translation>
    </message>
    <message>
        <source>files still being written, left for the next look: %1</source>
        <translation>書き込み中のため次に回したファイル：%1</translation>
    </message>
    <message>
        <source>nothing new</source>
        <translation>新しいものはありません</translation>
    </message>
</context>
<context>
    <name>ResultImporter</name>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>名前付きパイプ（FIFO）</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ソケット</translation>
    </message>
    <message>
        <source>something else</source>
        <translation>特殊なファイル</translation>
    </message>
    <message>
        <source>C</source>
        <comment>locale of the weekday name in the next message</comment>
        <translation>ja_JP</translation>
    </message>
    <message>
        <source>draw %1: there is no draw on %2 (%3)</source>
        <translation>第%1回：%2（%3）は抽せんのない日です</translation>
    </message>
    <message>
        <source>draw %1: dated %2, but the calendar puts it on %3</source>
        <translation>第%1回：抽せん日が %2 になっていますが、抽せん日の暦では %3 です</translation>
    </message>
    <message>
        <source>the header has no column &quot;%1&quot;</source>
        <translation>見出し行に「%1」の列がありません</translation>
    </message>
    <message>
        <source>expected at least %1 cells, found %2</source>
        <translation>項目が %1 個以上あるはずですが、%2 個しかありません</translation>
    </message>
    <message>
        <source>draw number &quot;%1&quot; is not 1 or more</source>
        <translation>回号「%1」が 1 以上の数ではありません</translation>
    </message>
    <message>
        <source>draw %1: &quot;%2&quot; is not a date that exists</source>
        <translation>第%1回：「%2」はありえない日付です</translation>
    </message>
    <message>
        <source>draw %1: result &quot;%2&quot; is not three digits</source>
        <translation>第%1回：当せん番号「%2」が 3 桁の数字ではありません</translation>
    </message>
    <message>
        <source>draw %1: result &quot;%2&quot; is not four digits</source>
        <translation>第%1回：当せん番号「%2」が 4 桁の数字ではありません</translation>
    </message>
    <message>
        <source>draw %1: &quot;%2&quot; is not a game (numbers3 or numbers4)</source>
        <translation>第%1回：「%2」はくじの種類ではありません（numbers3 か numbers4）</translation>
    </message>
    <message>
        <source>draw %1: Numbers4 has no mini; leave its cells empty</source>
        <translation>第%1回：ナンバーズ4にミニはありません。ミニの欄は空けておいてください</translation>
    </message>
    <message>
        <source>draw %1: prize &quot;%2&quot; is not an amount</source>
        <translation>第%1回：当せん金「%2」が金額になっていません</translation>
    </message>
    <message>
        <source>draw %1: winners &quot;%2&quot; is not a count</source>
        <translation>第%1回：口数「%2」が数になっていません</translation>
    </message>
    <message>
        <source>the block has no line &quot;第N回ナンバーズ&quot; (cut short?)</source>
        <translation>ブロックに「第N回ナンバーズ」の行がありません（途中で切れていませんか？）</translation>
    </message>
    <message>
        <source>draw %1: the block is cut short: no line &quot;ナンバーズ3抽せん数字&quot;</source>
        <translation>第%1回：ブロックが途中で切れています（「ナンバーズ3抽せん数字」の行がありません）</translation>
    </message>
    <message>
        <source>draw %1: the block is cut short: no line &quot;%2&quot;</source>
        <translation>第%1回：ブロックが途中で切れています（「%2」の行がありません）</translation>
    </message>
    <message>
        <source>draw %1: the block of Numbers4 is cut short: no line &quot;%2&quot;</source>
        <translation>第%1回：ナンバーズ4のブロックが途中で切れています（「%2」の行がありません）</translation>
    </message>
    <message>
        <source>draw %1: a second line &quot;%2&quot; in one block</source>
        <translation>第%1回：一つのブロックに「%2」の行が二つあります</translation>
    </message>
    <message>
        <source>draw %1: the line gives no draw date</source>
        <translation>第%1回：この行に抽せん日がありません</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>ファイルではなくフォルダーです</translation>
    </message>
    <message>
        <source>is %1, not a regular file; only files can be imported</source>
        <translation>通常のファイルではなく%1です。取り込めるのは通常のファイルだけです</translation>
    </message>
    <message>
        <source>too large (%1 MB; a results file has at most %2 MB)</source>
        <translation>大きすぎます（%1 MB。当せん番号のファイルは %2 MB までです）</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>読み込めません：%1</translation>
    </message>
    <message>
        <source>too large (a results file has at most %1 MB)</source>
        <translation>大きすぎます（当せん番号のファイルは %1 MB までです）</translation>
    </message>
    <message>
        <source>not a text file in UTF-8 or Shift_JIS (binary data?)</source>
        <translation>UTF-8 か Shift_JIS のテキストファイルではありません（バイナリデータでは？）</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>not a results file (neither the operator&apos;s A5x blocks nor the header draw,date,number)</source>
        <translation>当せん番号のファイルではありません（公式の A5x 形式のブロックも、見出し行 draw,date,number もありません）</translation>
    </message>
    <message>
        <source>the file holds no result of Numbers3 or Numbers4</source>
        <translation>ナンバーズ3・ナンバーズ4の当せん番号が入っていません</translation>
    </message>
    <message>
        <source>draw %1 appears twice with different results (%2 on line %3, %4 here)</source>
        <translation>第%1回が違う当せん番号で二度出てきます（%3 行目では %2、ここでは %4）</translation>
    </message>
    <message>
        <source>the file&apos;s name is for draw %1, but it holds draw %2</source>
        <translation>ファイル名は第%1回のものですが、中身は第%2回の結果です</translation>
    </message>
    <message>
        <source>the file&apos;s name is for draw %1, but it holds draws %2 to %3</source>
        <translation>ファイル名は第%1回のものですが、中身は第%2回から第%3回までの結果です</translation>
    </message>
    <message>
        <source>draw %1: the file has no block of %2; the download may have been cut short, download the file again</source>
        <translation>第%1回：ファイルに%2のブロックがありません。ダウンロードが途中で切れたかもしれません。もう一度ダウンロードしてください</translation>
    </message>
    <message>
        <source>draw %1: &quot;%2&quot; is not a payment period after the draw</source>
        <translation>第%1回：「%2」は抽せん日より後の支払期間ではありません</translation>
    </message>
</context>
<context>
    <name>TicketTexts</name>
    <message>
        <source>straight</source>
        <translation>ストレート</translation>
    </message>
    <message>
        <source>box</source>
        <translation>ボックス</translation>
    </message>
    <message>
        <source>set</source>
        <translation>セット</translation>
    </message>
    <message>
        <source>mini</source>
        <translation>ミニ</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>抽せん待ち</translation>
    </message>
    <message>
        <source>no win</source>
        <translation>はずれ</translation>
    </message>
    <message>
        <source>%1 yen</source>
        <translation>%1円</translation>
    </message>
    <message>
        <source>+%1 yen</source>
        <translation>+%1円</translation>
    </message>
    <message>
        <source>-%1 yen</source>
        <translation>-%1円</translation>
    </message>
    <message>
        <source>%1, theoretical prize</source>
        <translation>%1、理論値の当せん金</translation>
    </message>
    <message>
        <source>%1, actual prize</source>
        <translation>%1、実際の当せん金</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>yyyy-MM</source>
        <translation>yyyy年M月</translation>
    </message>
    <message>
        <source>No tickets yet.</source>
        <translation>購入の記録はまだありません。</translation>
    </message>
    <message>
        <source>%1 (of which %2 at theoretical prizes)</source>
        <translation>%1（うち理論値 %2）</translation>
    </message>
    <message>
        <source>none graded yet</source>
        <translation type="vanished">まだ結果なし</translation>
    </message>
    <message>
        <source>Tickets: %1, waiting: %2; spent %3, won %4, balance %5, return %6</source>
        <translation>購入 %1 件（抽せん待ち %2 件）：購入額 %3、当せん金 %4、収支 %5、回収率 %6</translation>
    </message>
    <message>
        <source>Tickets, newest draw first</source>
        <translation>購入の記録（新しい回から）</translation>
    </message>
    <message>
        <source>Tickets, oldest draw first</source>
        <translation>購入の記録（古い回から）</translation>
    </message>
    <message>
        <source>Tickets, sorted by %1, descending</source>
        <translation>購入の記録（%1の降順）</translation>
    </message>
    <message>
        <source>Tickets, sorted by %1, ascending</source>
        <translation>購入の記録（%1の昇順）</translation>
    </message>
    <message>
        <source>All %1 tickets, each with its draw&apos;s result, the outcome and the prize.</source>
        <translation>全 %1 件の購入。購入ごとに、その回の当せん番号・結果・当せん金</translation>
    </message>
    <message>
        <source>%1 of %2 tickets shown (%3), each with its draw&apos;s result, the outcome and the prize.</source>
        <translation>%2 件中 %1 件を表示（%3）。購入ごとに、その回の当せん番号・結果・当せん金</translation>
    </message>
    <message>
        <source>Totals over all tickets</source>
        <translation>すべての購入の合計</translation>
    </message>
    <message>
        <source>Totals over all %1 tickets, not only the %2 shown</source>
        <translation>表示中の %2 件だけでなく、全 %1 件の購入の合計</translation>
    </message>
    <message>
        <source>result not in the book yet</source>
        <translation>結果が番号帳にまだありません</translation>
    </message>
    <message>
        <source>1 number read with leading zeros</source>
        <translation>1 件の番号を先頭に 0 を補って読みました</translation>
    </message>
    <message>
        <source>%1 numbers read with leading zeros</source>
        <translation>%1 件の番号を先頭に 0 を補って読みました</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Tickets: %1, waiting: %2; spent %3, won %4, balance %5; no return yet, as no ticket has its result</source>
        <translation>購入 %1 件（抽せん待ち %2 件）：購入額 %3、当せん金 %4、収支 %5。結果の出た購入がないため、回収率はまだありません</translation>
    </message>
    <message>
        <source>box %1-way</source>
        <translation>ボックス（%1通り）</translation>
    </message>
    <message>
        <source>set-straight %1-way</source>
        <translation>セット・ストレート（%1通り）</translation>
    </message>
    <message>
        <source>set-box %1-way</source>
        <translation>セット・ボックス（%1通り）</translation>
    </message>
    <message>
        <source>1 ticket added</source>
        <translation>購入の記録を 1 件追加しました</translation>
    </message>
    <message>
        <source>%1 tickets added</source>
        <translation>購入の記録を %1 件追加しました</translation>
    </message>
    <message>
        <source>%1 added, %2 already in the book and not added again</source>
        <translation>%1 件を記録しました。%2 件は記録済みのため、記録しませんでした</translation>
    </message>
    <message>
        <source>Tickets added from %1: %2</source>
        <translation>%1 から %2 件を記録しました</translation>
    </message>
    <message>
        <source>Tickets added from %1: %2; already in the book and not added again: %3</source>
        <translation>%1 から %2 件を記録しました（記録済みのため記録しなかったもの：%3 件）</translation>
    </message>
    <message>
        <source>the operator reports no winner for this way; check the ticket</source>
        <translation>運営者はこの買い方を該当なしと発表しています。券を確認してください</translation>
    </message>
    <message>
        <source>Tickets: %1, waiting: %2, result not in the book: %3</source>
        <translation>購入 %1 件（抽せん待ち %2 件、結果が番号帳にないもの %3 件）</translation>
    </message>
    <message>
        <source>%1; spent %2, won %3, balance %4; no return yet, as no ticket has its result</source>
        <translation>%1：購入額 %2、当せん金 %3、収支 %4。結果の出た購入がないため、回収率はまだありません</translation>
    </message>
    <message>
        <source>%1; spent %2, won %3, balance %4, return %5</source>
        <translation>%1：購入額 %2、当せん金 %3、収支 %4、回収率 %5</translation>
    </message>
    <message>
        <source>Totals over the tickets of %1</source>
        <translation>%1 の購入だけの合計</translation>
    </message>
    <message>
        <source>no winner reported</source>
        <translation>該当なしと発表</translation>
    </message>
    <message>
        <source>Reading %1 tickets; the totals follow.</source>
        <translation>%1 件の購入を読み込んでいます。合計はこのあと表示します。</translation>
    </message>
    <message>
        <source>Not every ticket could be read: %1</source>
        <translation>一部の購入を読み込めませんでした: %1</translation>
    </message>
</context>
<context>
    <name>TicketTableModel</name>
    <message>
        <source>no prize</source>
        <translation>当せん金なし</translation>
    </message>
    <message>
        <source>no result yet</source>
        <translation>結果はまだです</translation>
    </message>
    <message>
        <source>no note</source>
        <translation>メモなし</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>回号</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>抽せん日</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>購入番号</translation>
    </message>
    <message>
        <source>Way</source>
        <translation>申込タイプ</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>口数</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>当せん番号</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>当せん金</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>支払最終日</translation>
    </message>
    <message>
        <source>Collected</source>
        <translation>換金</translation>
    </message>
</context>
<context>
    <name>TicketDialog</name>
    <message>
        <source>Edit a ticket</source>
        <translation>購入の記録を直す</translation>
    </message>
    <message>
        <source>New ticket</source>
        <translation>購入を記録</translation>
    </message>
    <message>
        <source>Draw number</source>
        <translation>回号</translation>
    </message>
    <message>
        <source>Number bought</source>
        <translation>購入番号</translation>
    </message>
    <message>
        <source>Way of buying</source>
        <translation>申込タイプ</translation>
    </message>
    <message>
        <source>Units, 200 yen each</source>
        <translation>口数（1 口 200 円）</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>省略可</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>The same for this many draws in a row</source>
        <translation>同じ内容で続けて買う回数</translation>
    </message>
    <message>
        <source>&amp;Draw:</source>
        <translation>回号(&amp;D)：</translation>
    </message>
    <message>
        <source>Draw day:</source>
        <translation>抽せん日：</translation>
    </message>
    <message>
        <source>&amp;Number:</source>
        <translation>番号(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Way:</source>
        <translation>申込タイプ(&amp;W)：</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>口数(&amp;U)：</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>メモ(&amp;O)：</translation>
    </message>
    <message>
        <source>The same for draws in a &amp;row:</source>
        <translation>続けて買う回数(&amp;R)：</translation>
    </message>
    <message>
        <source>Cost:</source>
        <translation>購入額：</translation>
    </message>
    <message>
        <source>&amp;Store</source>
        <translation>記録する(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>%1 to %2 (draw %3)</source>
        <translation>%1〜%2（第%3回まで）</translation>
    </message>
    <message>
        <source>two digits, the last two of the result</source>
        <translation>2 桁（当せん番号の下 2 桁）</translation>
    </message>
    <message>
        <source>three digits, such as 007</source>
        <translation>007 のような 3 桁</translation>
    </message>
    <message>
        <source>A mini ticket takes two digits, the last two of the result, such as 07.</source>
        <translation>ミニは 07 のような 2 桁（当せん番号の下 2 桁）で申し込みます。</translation>
    </message>
    <message>
        <source>A %1 ticket takes three digits, such as 007.</source>
        <translation>%1は 007 のような 3 桁で申し込みます。</translation>
    </message>
    <message>
        <source>Draw %1 is too far ahead: tickets can be kept up to draw %2.</source>
        <translation>第%1回は先すぎます。記録できるのは第%2回までです。</translation>
    </message>
    <message>
        <source>Nothing was stored.</source>
        <translation>何も記録していません。</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>ゲーム(&amp;G)：</translation>
    </message>
    <message>
        <source>four digits, such as 0071</source>
        <translation>4 桁（例：0071）</translation>
    </message>
    <message>
        <source>A Numbers4 %1 ticket takes four digits, such as 0071.</source>
        <translation>ナンバーズ4 の%1は 4 桁の数字で買います（例：0071）。</translation>
    </message>
</context>
<context>
    <name>TicketView</name>
    <message>
        <source>&amp;New ticket...</source>
        <translation>購入を記録(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Edit ticket...</source>
        <translation>購入の記録を直す(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Delete ticket</source>
        <translation>購入の記録を削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Undo the last ticket change</source>
        <translation>購入の記録の変更を元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Import a ticket list...</source>
        <translation>購入リストを読み込む(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Paste a ticket list</source>
        <translation>購入リストを貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>E&amp;xport tickets as CSV...</source>
        <translation>購入の記録を CSV に書き出す(&amp;X)...</translation>
    </message>
    <message>
        <source>P&amp;rint tickets...</source>
        <translation>購入の記録を印刷(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Save tickets as PDF...</source>
        <translation>購入の記録を PDF に保存(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Tickets</source>
        <translation>購入(&amp;T)</translation>
    </message>
    <message>
        <source>Per month</source>
        <translation>月ごと</translation>
    </message>
    <message>
        <source>Stored %1 %2 for draws %3 to %4</source>
        <translation>%1（%2）を第%3回から第%4回まで記録しました</translation>
    </message>
    <message>
        <source>Stored %1 %2 for draw %3</source>
        <translation>%1（%2）を第%3回に記録しました</translation>
    </message>
    <message>
        <source>Changed the ticket %1 for draw %2</source>
        <translation>第%2回の %1 の記録を直しました</translation>
    </message>
    <message>
        <source>Delete tickets</source>
        <translation>購入の記録の削除</translation>
    </message>
    <message>
        <source>Nothing was deleted.</source>
        <translation>何も削除していません。</translation>
    </message>
    <message>
        <source>Undone: the change to a ticket</source>
        <translation>元に戻しました：記録の変更</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>The change could not be undone.</source>
        <translation>変更を元に戻せませんでした。</translation>
    </message>
    <message>
        <source>Export tickets</source>
        <translation>購入の記録の書き出し</translation>
    </message>
    <message>
        <source>The tickets were not written to %1.</source>
        <translation>購入の記録を %1 に書き出せませんでした。</translation>
    </message>
    <message>
        <source>Save tickets as PDF</source>
        <translation>購入の記録を PDF に保存</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1.</source>
        <translation>PDF を %1 に書けませんでした。</translation>
    </message>
    <message>
        <source>The ticket list was saved as %1</source>
        <translation>購入の記録を %1 に保存しました</translation>
    </message>
    <message>
        <source>Tickets deleted: %1; Ctrl+Z brings them back</source>
        <translation>%1 件を削除しました。Ctrl+Z で元に戻せます</translation>
    </message>
    <message>
        <source>Undone: tickets added (%1)</source>
        <translation>元に戻しました：%1 件の記録</translation>
    </message>
    <message>
        <source>Undone: tickets deleted (%1)</source>
        <translation>元に戻しました：%1 件の削除</translation>
    </message>
    <message>
        <source>Tickets written to %1: %2</source>
        <translation>%1 に %2 件を書き出しました</translation>
    </message>
    <message>
        <source>New</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>直す</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>Sort &amp;by</source>
        <translation>並べ替え(&amp;B)</translation>
    </message>
    <message>
        <source>Undone: collected and online marks (%1)</source>
        <translation>取り消しました：換金済み・ネット購入の印（%1 件）</translation>
    </message>
</context>
<context>
    <name>TicketRules</name>
    <message>
        <source>Draw %1 cannot be bought: draw numbers go from 1 to %2 (the next draw and a year after it).</source>
        <translation>第%1回は申し込めません。回号は 1 から %2 まで（次回とその先 1 年分）です。</translation>
    </message>
    <message>
        <source>Unknown way of buying; use straight, box, set or mini.</source>
        <translation>申込タイプが違います。ストレート・ボックス・セット・ミニのどれかにしてください。</translation>
    </message>
    <message>
        <source>A mini ticket takes two digits (00 to 99), the last two of the result.</source>
        <translation>ミニは 2 桁（00〜99、当せん番号の下 2 桁）で申し込みます。</translation>
    </message>
    <message>
        <source>A straight, box or set ticket takes three digits (000 to 999).</source>
        <translation>ストレート・ボックス・セットは 3 桁（000〜999）で申し込みます。</translation>
    </message>
    <message>
        <source>%1 is a triple (all three digits the same): it cannot be bought as box, only as straight.</source>
        <translation>%1 はゾロ目（3 桁とも同じ数字）なので、ボックスでは申し込めません。ストレートで申し込んでください。</translation>
    </message>
    <message>
        <source>%1 is a triple (all three digits the same): it cannot be bought as set, only as straight.</source>
        <translation>%1 はゾロ目（3 桁とも同じ数字）なので、セットでは申し込めません。ストレートで申し込んでください。</translation>
    </message>
    <message>
        <source>Units go from 1 to %1 per ticket line (200 yen each); %2 is not possible.</source>
        <translation>口数は 1 申込につき 1〜%1 口（1 口 200 円）です。%2 口にはできません。</translation>
    </message>
    <message>
        <source>Numbers4 has no mini: buy straight, box or set.</source>
        <translation>ナンバーズ4 にミニはありません。ストレート、ボックス、セットで買ってください。</translation>
    </message>
    <message>
        <source>A Numbers4 ticket takes four digits (0000 to 9999).</source>
        <translation>ナンバーズ4 の券は 4 桁（0000 から 9999）です。</translation>
    </message>
    <message>
        <source>%1 has all four digits the same: it cannot be bought as box or set, only as straight.</source>
        <translation>%1 は 4 桁すべてが同じ数字です。ボックスやセットでは買えず、ストレートのみです。</translation>
    </message>
</context>
<context>
    <name>TicketStore</name>
    <message>
        <source>straight</source>
        <translation>ストレート</translation>
    </message>
    <message>
        <source>box</source>
        <translation>ボックス</translation>
    </message>
    <message>
        <source>set</source>
        <translation>セット</translation>
    </message>
    <message>
        <source>mini</source>
        <translation>ミニ</translation>
    </message>
    <message>
        <source>draw %1, %2 %3</source>
        <translation>第%1回 %2 %3</translation>
    </message>
    <message>
        <source>The book is not open.</source>
        <translation>番号帳が開いていません。</translation>
    </message>
    <message>
        <source>ticket %1 (%2)</source>
        <translation>%1 件目（%2）</translation>
    </message>
    <message>
        <source>%1: %2 Nothing was stored.</source>
        <translation>%1：%2 何も記録していません。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>A run takes 1 to %1 draws in a row; %2 is not possible. Nothing was stored.</source>
        <translation>続けて買う回数は 1〜%1 回です。%2 回にはできません。何も記録していません。</translation>
    </message>
    <message>
        <source>Draws %1 to %2 go past draw %3, the last one that can be bought now. Nothing was stored.</source>
        <translation>第%1回〜第%2回は、いま申し込める最後の回（第%3回）を越えています。何も記録していません。</translation>
    </message>
    <message>
        <source>The ticket is no longer in the book (deleted elsewhere?). Nothing was changed.</source>
        <translation>この購入の記録はもう番号帳にありません（ほかで削除されたのかもしれません）。何も変えていません。</translation>
    </message>
</context>
<context>
    <name>TicketList</name>
    <message>
        <source>the file is larger than %1 MB; a ticket list is much smaller</source>
        <translation>ファイルが %1 MB を超えています（購入リストはずっと小さいはずです）</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text (save it as UTF-8 CSV)</source>
        <translation>UTF-8 のテキストではありません（UTF-8 の CSV として保存してください）</translation>
    </message>
    <message>
        <source>the file holds binary data, not a ticket list</source>
        <translation>バイナリデータを含んでいます。購入リストではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a way of buying; use straight, box, set or mini</source>
        <translation>「%1」は申込タイプではありません（straight・box・set・mini のどれかにしてください）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a game; use numbers3 or numbers4</source>
        <translation>「%1」はくじの種類ではありません（numbers3 か numbers4 にしてください）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a draw number</source>
        <translation>「%1」は回号ではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number (digits only)</source>
        <translation>「%1」は番号ではありません（数字だけで書いてください）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of units</source>
        <translation>「%1」は口数ではありません</translation>
    </message>
    <message>
        <source>the note is longer than %1 characters</source>
        <translation>メモが %1 文字を超えています</translation>
    </message>
    <message>
        <source>more than %1 tickets in one list</source>
        <translation>1 つのリストに %1 件を超える購入があります</translation>
    </message>
    <message>
        <source>no tickets in the file (draw,number,way,units[,note] per line)</source>
        <translation>購入がひとつもありません（1 行に 回号,番号,申込タイプ,口数[,メモ]）</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>not a regular file; only files can be read</source>
        <translation>通常のファイルではありません。読めるのはファイルだけです</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>ファイルを読めません：%1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the day a win was collected (YYYY-MM-DD)</source>
        <translation>「%1」は換金した日（YYYY-MM-DD）ではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a mark of a ticket bought online; use yes or leave it empty</source>
        <translation>「%1」はネット購入の印ではありません（yes と書くか空にしてください）</translation>
    </message>
    <message>
        <source>expected draw,number,way,units, an optional note and the game column of the header; fields found: %1</source>
        <translation>回,番号,買い方,口数、省略できるメモ、見出しにある game 列が必要です。見つかった欄：%1</translation>
    </message>
    <message>
        <source>expected draw,number,way,units and an optional note separated by commas, and a game column when the header names one; fields found: %1</source>
        <translation>回,番号,買い方,口数 と省略できるメモをカンマで区切って書き、見出しに game 列があればその欄も書いてください。見つかった欄：%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has four digits: for Numbers4 tickets, add a game column to the header (draw,number,way,units,game) and write numbers4 in it</source>
        <translation>「%1」は 4 桁です。ナンバーズ4 の購入は、見出しに game 列を加え（draw,number,way,units,game）、その欄に numbers4（またはナンバーズ4）と書いてください</translation>
    </message>
</context>
<context>
    <name>StatsView</name>
    <message>
        <source>The last %1 draws</source>
        <translation>最近の %1 回</translation>
    </message>
    <message>
        <source>All draws in the book</source>
        <translation>番号帳のすべての回</translation>
    </message>
    <message>
        <source>Between two dates</source>
        <translation>期間を指定</translation>
    </message>
    <message>
        <source>Draws to count</source>
        <translation>集計する回</translation>
    </message>
    <message>
        <source>Ra&amp;nge:</source>
        <translation>範囲(&amp;N)：</translation>
    </message>
    <message>
        <source>First date</source>
        <translation>最初の日</translation>
    </message>
    <message>
        <source>Last date</source>
        <translation>最後の日</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>開始日(&amp;F)：</translation>
    </message>
    <message>
        <source>t&amp;o:</source>
        <translation>終了日(&amp;O)：</translation>
    </message>
    <message>
        <source>Figures to show</source>
        <translation>表示する集計</translation>
    </message>
    <message>
        <source>&amp;View:</source>
        <translation>集計(&amp;V)：</translation>
    </message>
    <message>
        <source>Table: %1</source>
        <translation>表：%1</translation>
    </message>
    <message>
        <source>Save the chart as a &amp;picture...</source>
        <translation>グラフを画像で保存(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Export the table as CSV...</source>
        <translation>表を CSV で書き出す(&amp;E)...</translation>
    </message>
    <message>
        <source>No draws in this range.</source>
        <translation>この範囲には抽せんがありません。</translation>
    </message>
    <message>
        <source>No draws in this range: the first date is after the last.</source>
        <translation>この範囲には抽せんがありません。開始日が終了日より後になっています。</translation>
    </message>
    <message>
        <source>The book holds no draws yet.</source>
        <translation>番号帳にはまだ抽せん結果がありません。</translation>
    </message>
    <message>
        <source>1 draw: %1 (%2)</source>
        <translation>1 回：%1（%2）</translation>
    </message>
    <message>
        <source>The table beside the chart holds the same figures.</source>
        <translation>グラフの横の表に同じ数字があります。</translation>
    </message>
    <message>
        <source>%1 draws: %2 (%3) to %4 (%5)</source>
        <translation>%1 回：%2（%3）から %4（%5）まで</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <translation>グラフ：%1</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>ファイルに書き込めませんでした。</translation>
    </message>
    <message>
        <source>Save the chart</source>
        <translation>グラフの保存</translation>
    </message>
    <message>
        <source>The chart was not written to %1.</source>
        <translation>グラフを %1 に書き込めませんでした。</translation>
    </message>
    <message>
        <source>Export the table as CSV</source>
        <translation>表を CSV で書き出す</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>The table was not written to %1.</source>
        <translation>表を %1 に書き込めませんでした。</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>JPEG image (*.jpg *.jpeg)</source>
        <translation>JPEG 画像 (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG 画像 (*.svg)</translation>
    </message>
    <message>
        <source>CSV for spreadsheets, UTF-8 with a byte order mark (*.csv)</source>
        <translation>表計算ソフト向け CSV、BOM 付き UTF-8 (*.csv)</translation>
    </message>
    <message>
        <source>Name the picture .png, .jpg or .svg.</source>
        <translation>ファイル名は .png、.jpg または .svg で終えてください。</translation>
    </message>
    <message>
        <source>Draws %1 to %2</source>
        <translation>第%1回から第%2回まで</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>it is the book this program has open, or a file the book keeps beside it</source>
        <translation>このプログラムが開いている番号帳か、番号帳がその隣に置くファイルです</translation>
    </message>
    <message>
        <source>it is a link to %1, which does not exist</source>
        <translation>%1 へのリンクですが、リンク先がありません</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>it is a disk device, not a file</source>
        <translation>ファイルではなくディスクのデバイスです</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>ファイルではなくソケットです</translation>
    </message>
    <message>
        <source>the program has no stream %1 open</source>
        <translation>このプログラムではストリーム %1 が開かれていません</translation>
    </message>
    <message>
        <source>it is a named pipe that no program is reading</source>
        <translation>どのプログラムも読んでいない名前付きパイプです</translation>
    </message>
    <message>
        <source>not every byte was written</source>
        <translation>一部しか書き込めませんでした</translation>
    </message>
</context>
<context>
    <name>BookOptions</name>
    <message>
        <source>Fetch the result files of the draws the book lacks from the results address, print what --import prints (and the draws not out yet), and exit; the exit status is 1 only if the network, the server or the book failed.</source>
        <translation>番号帳にない回の結果のファイルを結果のアドレスから取得し、--import と同じ報告（とまだ公開されていない回）を表示して終了します。終了状態が 1 になるのは、ネットワーク、サーバー、番号帳のどれかが失敗したときだけです。</translation>
    </message>
    <message>
        <source>Keep &lt;url&gt; in the book as the address result files are fetched from (&quot;default&quot; restores the lottery&apos;s own).</source>
        <translation>結果のファイルを取得するアドレスとして &lt;url&gt; を番号帳に保存します（&quot;default&quot; で宝くじの公式のアドレスに戻します）。</translation>
    </message>
    <message>
        <source>url</source>
        <translation>url</translation>
    </message>
    <message>
        <source>Print the options and exit.</source>
        <translation>オプションを表示して終了します。</translation>
    </message>
    <message>
        <source>Use the book at &lt;path&gt; instead of %1.</source>
        <translation>%1 の代わりに &lt;パス&gt; の番号帳を使います。</translation>
    </message>
    <message>
        <source>path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Import the files given and exit; a folder stands for the CSV files in it and below. One line per file, then the tickets graded and won; the exit status is 1 if any file failed.</source>
        <translation>指定したファイルを取り込んで終了します。フォルダーはその中と下にある CSV ファイルすべてを表します。ファイルごとに 1 行、続いて判定した購入と当せんの件数を表示します。取り込めなかったファイルがあれば終了コードは 1 です。</translation>
    </message>
    <message>
        <source>Add the tickets listed in &lt;file&gt; (draw,number,way,units[,note]; a game column for Numbers4), all or none, and exit.</source>
        <translation>&lt;ファイル&gt; にある購入（回,番号,買い方,口数[,メモ]。ナンバーズ4 は game 列で）をすべて加えるか、まったく加えずに終了します。</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Write every ticket with its draw&apos;s result, outcome and prize to &lt;file&gt; (CSV) and exit.</source>
        <translation>すべての購入を、その回の結果・判定・当せん金とともに &lt;ファイル&gt;（CSV）に書き出して終了します。</translation>
    </message>
    <message>
        <source>files</source>
        <translation>ファイルまたはフォルダー</translation>
    </message>
    <message>
        <source>Result files or folders to import.</source>
        <translation>取り込む結果ファイルまたはフォルダー。</translation>
    </message>
    <message>
        <source>[FILE...]</source>
        <translation>[ファイル...]</translation>
    </message>
    <message>
        <source>%1: files need --import</source>
        <translation>%1：ファイルを取り込むには --import が必要です</translation>
    </message>
    <message>
        <source>With --import-tickets, also add the tickets the book already holds (same draw, number, way, units and note); without it they are counted and left out.</source>
        <translation>--import-tickets とともに使い、番号帳にすでにある購入（回号・番号・申込タイプ・口数・メモが同じもの）も記録します。付けなければ、それらは数えて除きます。</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 には %2 が必要です</translation>
    </message>
    <message>
        <source>%1 needs at least one file or folder</source>
        <translation>%1 にはファイルかフォルダーが 1 つ以上必要です</translation>
    </message>
    <message>
        <source>nothing to do without --import; run it without arguments (or with --database PATH) for the window</source>
        <translation>--import なしではすることがありません。ウィンドウを開くには引数なしで（または --database パスだけを付けて）起動してください</translation>
    </message>
    <message>
        <source>Import the result files waiting in the watched folder (the download folder unless another was picked in the window) that the book has not taken before, print what --import prints, and exit.</source>
        <translation>見張るフォルダー（画面でほかを選んでいなければダウンロードフォルダー）で待っている結果ファイルのうち、番号帳がまだ受け取っていないものを取り込み、--import と同じ内容を表示して終わります。</translation>
    </message>
    <message>
        <source>The results book of Numbers3 and Numbers4.</source>
        <translation>ナンバーズ3・ナンバーズ4 の当せん番号帳です。</translation>
    </message>
    <message>
        <source>With --export-tickets, add the columns last_day (the last day a win is paid), collected (the day it was marked collected) and online (yes for a ticket bought online) at the end of each line.</source>
        <translation>--export-tickets とともに使い、各行の末尾に last_day（当せん金が支払われる最終日）、collected（換金済みにした日）、online（ネット購入なら yes）の列を加えます。</translation>
    </message>
</context>
<context>
    <name>BundledReport</name>
    <message>
        <source>Added the prizes of %1 draws from this release.</source>
        <translation>この版のデータから %1 回分の当せん金を加えました。</translation>
    </message>
    <message>
        <source>Added draws %1 to %2 from this release.</source>
        <translation>この版のデータから第%1回～第%2回を加えました。</translation>
    </message>
    <message>
        <source>Added %1 draws between %2 and %3 from this release.</source>
        <translation>この版のデータから第%2回～第%3回のうち %1 回分を加えました。</translation>
    </message>
    <message>
        <source>Added draws %1 to %2 and the prizes of %3 draws from this release.</source>
        <translation>この版のデータから第%1回～第%2回と、%3 回分の当せん金を加えました。</translation>
    </message>
    <message>
        <source>Added %1 draws between %2 and %3 and the prizes of %4 draws from this release.</source>
        <translation>この版のデータから第%2回～第%3回のうち %1 回分と、%4 回分の当せん金を加えました。</translation>
    </message>
    <message>
        <source>Where this release differs, the book kept the values it had from files or entered by hand:</source>
        <translation>この版のデータと異なるところは、ファイルから取り込んだ値と手入力の値をそのまま残しました：</translation>
    </message>
    <message>
        <source>%1: kept %2 (entered by hand), this release has %3</source>
        <translation>%1：手入力の %2 を残しました（この版のデータでは %3）</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>WatchNews</name>
    <message>
        <source>; </source>
        <translation>／</translation>
    </message>
    <message>
        <source>A ticket won</source>
        <translation>購入が当せんしました</translation>
    </message>
    <message>
        <source>%1 tickets won</source>
        <translation>%1 件の購入が当せんしました</translation>
    </message>
    <message>
        <source>A new result in the book</source>
        <translation>新しい結果が番号帳に入りました</translation>
    </message>
    <message>
        <source>%1 new results in the book</source>
        <translation>%1 回分の新しい結果が番号帳に入りました</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1, %2 %3: %4</source>
        <translation>%1、%2 %3：%4</translation>
    </message>
</context>
<context>
    <name>DrawWords</name>
    <message>
        <source>date unknown</source>
        <translation>日付不明</translation>
    </message>
    <message>
        <source>yyyy-MM-dd ddd</source>
        <translation>yyyy年M月d日(ddd)</translation>
    </message>
    <message>
        <source>draw %1</source>
        <translation>第%1回</translation>
    </message>
    <message>
        <source>Numbers4 draw %1</source>
        <translation>ナンバーズ4 第%1回</translation>
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
        <source>%1 draw %2</source>
        <translation>%1 第%2回</translation>
    </message>
</context>
<context>
    <name>ImportTexts</name>
    <message>
        <source>%1: not imported, nothing of it was stored</source>
        <translation>%1：取り込めませんでした。このファイルからは何も保存していません</translation>
    </message>
    <message>
        <source>  error: %1</source>
        <translation>  エラー：%1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>  warning: %1</source>
        <translation>  警告：%1</translation>
    </message>
    <message>
        <source>  %1</source>
        <translation>  %1</translation>
    </message>
    <message>
        <source>  %1: kept %2 (entered by hand), the file has %3</source>
        <translation>  %1：手入力の %2 を残しました（ファイルでは %3）</translation>
    </message>
    <message>
        <source>Tickets graded: %1; won: %2.</source>
        <translation>結果が出た購入：%1 件、うち当せん：%2 件。</translation>
    </message>
    <message>
        <source>The import was cancelled: %1 of the %2 files were not read and are not in the book; the files finished before are kept.</source>
        <translation>取り込みを中止しました。%2 個のファイルのうち %1 個は読んでおらず、番号帳に入っていません。それまでに済んだファイルはそのまま残します。</translation>
    </message>
    <message>
        <source>Files: %1; imported: %2; refused: %3. New in the book: %4, %5.</source>
        <translation>ファイル %1 件：取り込み %2 件、取り込めず %3 件。番号帳に新しく %4（%5）が入りました。</translation>
    </message>
    <message>
        <source>1 draw</source>
        <translation>1 回分</translation>
    </message>
    <message>
        <source>%1 draws</source>
        <translation>%1 回分</translation>
    </message>
    <message>
        <source>1 result</source>
        <translation>結果 1 件</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>結果 %1 件</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1：注意：%2</translation>
    </message>
</context>
<context>
    <name>MissingDrawsBox</name>
    <message>
        <source>Missing draws</source>
        <translation>抜けている回</translation>
    </message>
    <message>
        <source>Draws held so far, from the book&apos;s first, whose result the book does not hold; Return on one offers to import it or enter it by hand, Escape closes the list</source>
        <translation>番号帳の最初の回から今までに抽せんがあり、番号帳に結果がない回。Enter キーで取り込みか手入力を選べます。Esc キーで一覧を閉じます</translation>
    </message>
    <message>
        <source>Missing draw</source>
        <translation>番号帳にない回</translation>
    </message>
    <message>
        <source>The book lacks the result of %1 (%2). How should it come in?</source>
        <translation>番号帳には %1（%2）の結果がありません。どの方法で入れますか？</translation>
    </message>
    <message>
        <source>&amp;Fetch missing results</source>
        <translation>足りない結果を取得(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Import a file...</source>
        <translation>ファイルを取り込む(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Enter by hand...</source>
        <translation>手入力する(&amp;E)...</translation>
    </message>
</context>
<context>
    <name>LookupBox</name>
    <message>
        <source>Which draws a number came up in</source>
        <translation>数字が出た回（ストレート）</translation>
    </message>
    <message>
        <source>Whether a number came up as a box</source>
        <translation>数字がボックスで出たか</translation>
    </message>
    <message>
        <source>The result of a draw</source>
        <translation>ある回の抽せん結果</translation>
    </message>
    <message>
        <source>What to look up</source>
        <translation>調べる内容</translation>
    </message>
    <message>
        <source>Number or draw to look up</source>
        <translation>調べる数字または回号</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>答え</translation>
    </message>
    <message>
        <source>&amp;What:</source>
        <translation>調べる内容(&amp;W)：</translation>
    </message>
    <message>
        <source>N&amp;umber or draw:</source>
        <translation>数字または回号(&amp;U)：</translation>
    </message>
    <message>
        <source>&amp;Answer:</source>
        <translation>答え(&amp;A)：</translation>
    </message>
    <message>
        <source>Look up in the whole book</source>
        <translation>番号帳全体から調べる</translation>
    </message>
    <message>
        <source>Loo&amp;k up</source>
        <translation>調べる(&amp;K)</translation>
    </message>
</context>
<context>
    <name>ResultsSource</name>
    <message>
        <source>%1 is not an http or https address</source>
        <translation>%1 は http または https のアドレスではありません</translation>
    </message>
</context>
<context>
    <name>ResultsFetch</name>
    <message>
        <source>more than %1 bytes came back, far more than a results file</source>
        <translation>%1 バイトを超える応答で、結果のファイルにしては大きすぎます</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>サーバーの応答は %1 %2 でした</translation>
    </message>
    <message>
        <source>a web page (%1 bytes), not a results file</source>
        <translation>結果のファイルではなくウェブページ（%1 バイト）でした</translation>
    </message>
    <message>
        <source>not a results file (%1 bytes): %2</source>
        <translation>結果のファイルではありません（%1 バイト）：%2</translation>
    </message>
    <message>
        <source>a results file, but not of draw %1</source>
        <translation>結果のファイルですが、第 %1 回のものではありません</translation>
    </message>
    <message>
        <source>a results file, but not the operator&apos;s (%1 bytes)</source>
        <translation>結果のファイルですが、発売元のファイルではありません（%1 バイト）</translation>
    </message>
</context>
<context>
    <name>FetchTexts</name>
    <message>
        <source>error: %1</source>
        <translation>エラー：%1</translation>
    </message>
    <message>
        <source>taken before; nothing changed</source>
        <translation>前に取り込み済みのため、何も変わりません</translation>
    </message>
    <message>
        <source>draw %1 is not out yet</source>
        <translation>第 %1 回はまだ公開されていません</translation>
    </message>
    <message>
        <source>draw %1 is not at this address; it is not asked for again</source>
        <translation>第 %1 回はこのアドレスにありません。今後は問い合わせません</translation>
    </message>
    <message>
        <source>refused, nothing stored: %1</source>
        <translation>受け付けず、何も保存していません：%1</translation>
    </message>
    <message>
        <source>Fetched results could not be kept: %1</source>
        <translation>取得した結果を番号帳に保存できませんでした：%1</translation>
    </message>
    <message>
        <source>Draw %1 from the results address refused, nothing stored: %2</source>
        <translation>結果のアドレスから届いた第 %1 回を受け付けず、何も保存していません：%2</translation>
    </message>
    <message>
        <source>Draw %1 from the results address not imported: %2</source>
        <translation>結果のアドレスから届いた第 %1 回は取り込めませんでした：%2</translation>
    </message>
    <message>
        <source>Draw %1 is not out yet at the results address; asking again at %2</source>
        <translation>第 %1 回は結果のアドレスにまだありません。%2 にもう一度問い合わせます</translation>
    </message>
    <message>
        <source>The book has every result out so far; asking again at %1</source>
        <translation>これまでに出た結果はすべて番号帳にあります。次は %1 に問い合わせます</translation>
    </message>
    <message>
        <source>%1 new results in the book</source>
        <translation>番号帳に新しい結果が %1 件</translation>
    </message>
    <message>
        <source>; </source>
        <translation>／</translation>
    </message>
    <message>
        <source>Fetching draw %1 from %2</source>
        <translation>第 %1 回を %2 から取得しています</translation>
    </message>
    <message>
        <source>Offline: trying again at %1</source>
        <translation>オフライン：%1 にもう一度試します</translation>
    </message>
    <message>
        <source>Fetch new results by themselves from %1?</source>
        <translation>新しい結果を %1 から自動で取得しますか？</translation>
    </message>
    <message>
        <source>The book then asks that address for each new draw&apos;s file after its results time, and for the draws it lacks. Nothing else is sent. The address is the one the lottery&apos;s results pages use; it may change, and another can be given in the Book menu. Fetching can be turned off there at any time.</source>
        <translation>取得する場合、番号帳は抽せん結果の発表時刻の後に、新しい回と番号帳にない回のファイルをこのアドレスに問い合わせます。ほかには何も送りません。このアドレスは宝くじの当せん番号のページが使っているもので、変わることがあります。別のアドレスは「番号帳」メニューで指定できます。取得はそこでいつでも止められます。</translation>
    </message>
</context>
<context>
    <name>FetchCli</name>
    <message>
        <source>nothing to fetch; the book has every result out so far</source>
        <translation>取得するものはありません。これまでに出た結果はすべて番号帳にあります</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>エラー：%1</translation>
    </message>
    <message>
        <source>results address: %1</source>
        <translation>結果のアドレス：%1</translation>
    </message>
</context>
<context>
    <name>FetchControls</name>
    <message>
        <source>Fetch new &amp;results by themselves</source>
        <translation>新しい結果を自動で取得(&amp;R)</translation>
    </message>
    <message>
        <source>Fetch &amp;missing results now</source>
        <translation>足りない結果を今すぐ取得(&amp;M)</translation>
    </message>
    <message>
        <source>Results addre&amp;ss: %1...</source>
        <translation>結果のアドレス(&amp;S)：%1...</translation>
    </message>
    <message>
        <source>New results are not fetched; the Book menu turns fetching on.</source>
        <translation>新しい結果は取得しません。「番号帳」メニューで取得を始められます。</translation>
    </message>
    <message>
        <source>Results address</source>
        <translation>結果のアドレス</translation>
    </message>
    <message>
        <source>Address the draws&apos; files are fetched from (empty for the lottery&apos;s own, %1):</source>
        <translation>各回のファイルを取得するアドレス（空欄で宝くじの公式のもの、%1）：</translation>
    </message>
    <message>
        <source>Results are fetched from %1</source>
        <translation>結果を %1 から取得します</translation>
    </message>
</context>
<context>
    <name>StatsDescription</name>
    <message>
        <source>hundreds</source>
        <translation>百の位</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>十の位</translation>
    </message>
    <message>
        <source>ones</source>
        <translation>一の位</translation>
    </message>
    <message>
        <source>all different</source>
        <translation>3 つとも違う</translation>
    </message>
    <message>
        <source>a pair</source>
        <translation>2 つが同じ</translation>
    </message>
    <message>
        <source>a triple</source>
        <translation>ぞろ目</translation>
    </message>
    <message>
        <source>Each digit in each place</source>
        <translation>けたごとの数字</translation>
    </message>
    <message>
        <source>Each digit anywhere in the number</source>
        <translation>どこかの位に出た数字</translation>
    </message>
    <message>
        <source>The sum of the three digits</source>
        <translation>3 つの数字の和</translation>
    </message>
    <message>
        <source>Box kinds</source>
        <translation>ボックスの種類</translation>
    </message>
    <message>
        <source>The numbers drawn most often</source>
        <translation>よく出た数字</translation>
    </message>
    <message>
        <source>How often the numbers came up</source>
        <translation>数字ごとの出た回数の分かれ方</translation>
    </message>
    <message>
        <source>How long each digit has been away</source>
        <translation>出ていない回数</translation>
    </message>
    <message>
        <source>The same digit again in the next draw</source>
        <translation>次の回も同じ数字</translation>
    </message>
    <message>
        <source>The mini: the last two digits</source>
        <translation>ミニ（下 2 けた）</translation>
    </message>
    <message>
        <source>chance</source>
        <translation>偶然なら</translation>
    </message>
    <message>
        <source>How often each digit came up as the hundreds, tens and ones digit. Chance gives each digit %1 draws in each place.</source>
        <translation>百の位、十の位、一の位にそれぞれの数字が出た回数です。偶然ならどの数字もどの位でも %1 回です。</translation>
    </message>
    <message>
        <source>digit</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>In how many draws each digit appears in any place. Chance gives %1 draws (1 - 0.9 cubed of them).</source>
        <translation>位を問わず、その数字を含む回の数です。偶然なら %1 回（1 − 0.9 の 3 乗）です。</translation>
    </message>
    <message>
        <source>draws</source>
        <translation>回数</translation>
    </message>
    <message>
        <source>The sums run from 0 (000) to 27 (999); the middle sums have the most numbers, so chance gives them the most draws.</source>
        <translation>和は 0（000）から 27（999）まであります。真ん中の和ほど当てはまる数字が多いので、偶然でも多く出ます。</translation>
    </message>
    <message>
        <source>sum</source>
        <translation>和</translation>
    </message>
    <message>
        <source>Of the 1000 numbers, 720 have three different digits, 270 have a pair and 10 are triples.</source>
        <translation>1000 通りの数字のうち、3 つとも違うものが 720、2 つが同じものが 270、ぞろ目が 10 です。</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>%1 different numbers came up; %2 of the 1000 numbers never did, where chance gives about %3.</source>
        <translation>出た数字は %1 通りで、1000 通りのうち %2 通りは一度も出ていません。偶然ならおよそ %3 通りです。</translation>
    </message>
    <message>
        <source>number</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>at draws</source>
        <translation>出た回</translation>
    </message>
    <message>
        <source>times drawn</source>
        <translation>出た回数</translation>
    </message>
    <message>
        <source>numbers</source>
        <translation>数字の数</translation>
    </message>
    <message>
        <source>For each place: how many draws have passed since the digit last came up there (0: it came up in the last draw of the range), and its longest absence in the range, counting the draws before it first came up and since it last did. A digit that never came up has been away for the whole range.</source>
        <translation>位ごとに、その数字が最後に出てから何回たったか（0 は範囲の最後の回に出たこと）と、範囲の中で出なかった最も長い回数です。最長には、範囲で初めて出るまでの回と最後に出てからの回も数えます。一度も出ていない数字は、範囲のすべての回で出ていないことになります。</translation>
    </message>
    <message>
        <source>%1 now</source>
        <translation>%1 今</translation>
    </message>
    <message>
        <source>%1 longest</source>
        <translation>%1 最長</translation>
    </message>
    <message>
        <source>How often a place shows the same digit as in the draw before, out of %1 pairs of draws in a row. Chance gives 10% (%2).</source>
        <translation>続いた 2 回（%1 組）のうち、同じ位に前の回と同じ数字が出た回数です。偶然なら 10%（%2 回）です。</translation>
    </message>
    <message>
        <source>place</source>
        <translation>位</translation>
    </message>
    <message>
        <source>repeats</source>
        <translation>回数</translation>
    </message>
    <message>
        <source>share</source>
        <translation>割合</translation>
    </message>
    <message>
        <source>The mini is the last two digits, 00 to 99. Chance gives each pair %1 draws.</source>
        <translation>ミニは下 2 けた（00〜99）です。偶然ならどの組み合わせも %1 回です。</translation>
    </message>
    <message>
        <source>mini</source>
        <translation>ミニ</translation>
    </message>
    <message>
        <source>The %1 numbers drawn most often, most first; numbers drawn as often are listed in number order.</source>
        <translation>よく出た上位 %1 個の数字を多い順に並べています。回数が同じ数字は数字の小さい順です。</translation>
    </message>
    <message>
        <source>Drawn as often as the last listed, but left out: %1.</source>
        <translation>一覧の最後と同じ回数出たが載せていない数字：%1。</translation>
    </message>
    <message>
        <source>Drawn as often as the last listed, but left out: %1 and %2 more.</source>
        <translation>一覧の最後と同じ回数出たが載せていない数字：%1 ほか %2 個。</translation>
    </message>
    <message>
        <source>thousands</source>
        <translation>千の位</translation>
    </message>
    <message>
        <source>all four different</source>
        <translation>4 つとも違う</translation>
    </message>
    <message>
        <source>one pair</source>
        <translation>1 組が同じ</translation>
    </message>
    <message>
        <source>two pairs</source>
        <translation>2 組が同じ</translation>
    </message>
    <message>
        <source>three alike</source>
        <translation>3 つが同じ</translation>
    </message>
    <message>
        <source>four alike</source>
        <translation>4 つとも同じ</translation>
    </message>
    <message>
        <source>%1-way</source>
        <translation>%1 通り</translation>
    </message>
    <message>
        <source>The sum of the four digits</source>
        <translation>4 つの数字の和</translation>
    </message>
    <message>
        <source>How often each digit came up as the thousands, hundreds, tens and ones digit. Chance gives each digit %1 draws in each place.</source>
        <translation>千の位、百の位、十の位、一の位にそれぞれの数字が出た回数です。偶然ならどの数字もどの位でも %1 回です。</translation>
    </message>
    <message>
        <source>In how many draws each digit appears in any place. Chance gives %1 draws (1 - 0.9 to the fourth power of them).</source>
        <translation>位を問わず、その数字を含む回の数です。偶然なら %1 回（1 − 0.9 の 4 乗）です。</translation>
    </message>
    <message>
        <source>The sums run from 0 (0000) to 36 (9999); the middle sums have the most numbers, so chance gives them the most draws.</source>
        <translation>和は 0（0000）から 36（9999）まであります。真ん中の和ほど当てはまる数字が多いので、偶然でも多く出ます。</translation>
    </message>
    <message>
        <source>Of the 10000 numbers, 5040 have four different digits, 4320 have one pair, 270 have two pairs, 360 have three alike and 10 are four alike.</source>
        <translation>10000 通りの数字のうち、4 つとも違うものが 5040、1 組が同じものが 4320、2 組が同じものが 270、3 つが同じものが 360、4 つとも同じものが 10 です。</translation>
    </message>
    <message>
        <source>%1 different numbers came up; %2 of the 10000 numbers never did, where chance gives about %3.</source>
        <translation>出た数字は %1 通りで、10000 通りのうち %2 通りは一度も出ていません。偶然ならおよそ %3 通りです。</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>出た回数</translation>
    </message>
    <message>
        <source>sum of the three digits</source>
        <translation>3 つの数字の和</translation>
    </message>
    <message>
        <source>sum of the four digits</source>
        <translation>4 つの数字の和</translation>
    </message>
    <message>
        <source>repeats</source>
        <comment>chart</comment>
        <translation>続けて同じ</translation>
    </message>
    <message>
        <source>mini</source>
        <comment>chart</comment>
        <translation>ミニ（下 2 けた）</translation>
    </message>
    <message>
        <source>box kind</source>
        <translation>ボックスの種類</translation>
    </message>
    <message>
        <source>longest</source>
        <translation>最長</translation>
    </message>
</context>
<context>
    <name>CollectMarks</name>
    <message>
        <source>Mark as &amp;collected</source>
        <translation>換金済みにする(&amp;C)</translation>
    </message>
    <message>
        <source>Mark as bought on&amp;line</source>
        <translation>ネット購入にする(&amp;L)</translation>
    </message>
    <message>
        <source>Unmark as &amp;collected</source>
        <translation>換金済みを外す(&amp;C)</translation>
    </message>
    <message>
        <source>Unmark as bought on&amp;line</source>
        <translation>ネット購入を外す(&amp;L)</translation>
    </message>
    <message>
        <source>No longer marked collected (tickets: %1)</source>
        <translation>換金済みの印を外しました（%1 件）</translation>
    </message>
    <message>
        <source>Marked collected (tickets: %1)</source>
        <translation>換金済みにしました（%1 件）</translation>
    </message>
    <message>
        <source>Mark as collected</source>
        <translation>換金済みにする</translation>
    </message>
    <message>
        <source>No longer marked bought online (tickets: %1)</source>
        <translation>ネット購入の印を外しました（%1 件）</translation>
    </message>
    <message>
        <source>Marked bought online (tickets: %1)</source>
        <translation>ネット購入にしました（%1 件）</translation>
    </message>
    <message>
        <source>Mark as bought online</source>
        <translation>ネット購入にする</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>何も変更していません。</translation>
    </message>
</context>
<context>
    <name>CollectTexts</name>
    <message>
        <source>%1 (by the rule)</source>
        <translation>%1（規定による）</translation>
    </message>
    <message>
        <source>online, paid into the account</source>
        <translation>ネット購入：口座に自動で入金</translation>
    </message>
    <message>
        <source>collected %1</source>
        <translation>%1 に換金済み</translation>
    </message>
    <message>
        <source>lost: not collected in time</source>
        <translation>時効：期限内に換金されませんでした</translation>
    </message>
    <message>
        <source>to collect, last day today</source>
        <translation>未換金：今日が最終日</translation>
    </message>
    <message>
        <source>to collect, days left: %1</source>
        <translation>未換金：あと %1 日</translation>
    </message>
    <message>
        <source>to collect %1 (tickets: %2), nearest last day %3</source>
        <translation>未換金 %1（%2 件）、最も近い最終日 %3</translation>
    </message>
    <message>
        <source>lost %1 (tickets: %2)</source>
        <translation>時効 %1（%2 件）</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>; </source>
        <translation>／</translation>
    </message>
    <message>
        <source>draw %1 %2 %3: %4 by %5 (days left: %6)</source>
        <translation>第%1回 %2 %3：%4、%5 まで（あと %6 日）</translation>
    </message>
    <message>
        <source>Collect soon: %1</source>
        <translation>換金の期限が近い当せん：%1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation>、ほか %1 件</translation>
    </message>
    <message>
        <source>Wins to collect soon: %1</source>
        <translation>換金の期限が近い当せん：%1 件</translation>
    </message>
</context>
<context>
    <name>BookProbe</name>
    <message>
        <source>file is not a database</source>
        <translation>データベースのファイルではありません</translation>
    </message>
    <message>
        <source>Cannot open the book %1: %2</source>
        <translation>番号帳 %1 を開けません：%2</translation>
    </message>
    <message>
        <source>The book %1 was written by a newer version of this program (schema %2, this one knows %3). It was not changed; use the newer program or another book.</source>
        <translation>番号帳 %1 はこのプログラムの新しい版で書かれています（形式 %2、この版がわかるのは %3 まで）。変更していません。新しい版のプログラムか、別の番号帳を使ってください。</translation>
    </message>
    <message>
        <source>%1 is another program&apos;s database, not a results book. It was not changed; choose another file for the book.</source>
        <translation>%1 はほかのプログラムのデータベースで、番号帳ではありません。変更していません。番号帳には別のファイルを選んでください。</translation>
    </message>
    <message>
        <source>the book&apos;s file is missing, but SQLite&apos;s files beside it were left</source>
        <translation>番号帳のファイルがなく、その横に SQLite のファイルだけが残っていました</translation>
    </message>
    <message>
        <source>The book %1 was empty (0 bytes), so a new book was started in its place.</source>
        <translation>番号帳 %1 は空（0 バイト）だったので、代わりに新しい番号帳を始めました。</translation>
    </message>
    <message>
        <source>its header says schema %1, which no version of this program writes</source>
        <translation>ヘッダーのスキーマ番号 %1 は、このプログラムのどの版も書かない番号です</translation>
    </message>
</context>
<context>
    <name>DrawMerge</name>
    <message>
        <source>bundled</source>
        <translation>内蔵</translation>
    </message>
    <message>
        <source>entered by hand</source>
        <translation>手入力</translation>
    </message>
    <message>
        <source>draw %1: %2 from %3</source>
        <translation>第%1回：%3 により %2</translation>
    </message>
    <message>
        <source>date %1 → %2</source>
        <translation>抽せん日 %1 → %2</translation>
    </message>
    <message>
        <source>prize %1 → %2</source>
        <translation>当せん金 %1 → %2</translation>
    </message>
    <message>
        <source>winners %1 → %2</source>
        <translation>口数 %1 → %2</translation>
    </message>
    <message>
        <source>draw %1: %2 %3 replaced by %4 from %5</source>
        <translation>第%1回：%2の %3 を %5 の %4 に置き換えました</translation>
    </message>
    <message>
        <source>draw %1: date and prizes added from %2</source>
        <translation>第%1回：%2 から抽せん日と当せん金を加えました</translation>
    </message>
    <message>
        <source>draw %1: date added from %2</source>
        <translation>第%1回：%2 から抽せん日を加えました</translation>
    </message>
    <message>
        <source>draw %1: prizes added from %2</source>
        <translation>第%1回：%2 から当せん金を加えました</translation>
    </message>
    <message>
        <source>%1 draws, %2 to %3: dates and prizes added from %4</source>
        <translation>%1 回分（第%2回～第%3回）：%4 から抽せん日と当せん金を加えました</translation>
    </message>
    <message>
        <source>%1 draws, %2 to %3: dates added from %4</source>
        <translation>%1 回分（第%2回～第%3回）：%4 から抽せん日を加えました</translation>
    </message>
    <message>
        <source>%1 draws, %2 to %3: prizes added from %4</source>
        <translation>%1 回分（第%2回～第%3回）：%4 から当せん金を加えました</translation>
    </message>
    <message>
        <source>straight prize %1</source>
        <translation>ストレート当せん金 %1</translation>
    </message>
    <message>
        <source>box prize %1</source>
        <translation>ボックス当せん金 %1</translation>
    </message>
    <message>
        <source>set-straight prize %1</source>
        <translation>セット（ストレート）当せん金 %1</translation>
    </message>
    <message>
        <source>set-box prize %1</source>
        <translation>セット（ボックス）当せん金 %1</translation>
    </message>
    <message>
        <source>mini prize %1</source>
        <translation>ミニ当せん金 %1</translation>
    </message>
    <message>
        <source>straight winners %1</source>
        <translation>ストレート当せん口数 %1</translation>
    </message>
    <message>
        <source>box winners %1</source>
        <translation>ボックス当せん口数 %1</translation>
    </message>
    <message>
        <source>set-straight winners %1</source>
        <translation>セット（ストレート）当せん口数 %1</translation>
    </message>
    <message>
        <source>set-box winners %1</source>
        <translation>セット（ボックス）当せん口数 %1</translation>
    </message>
    <message>
        <source>mini winners %1</source>
        <translation>ミニ当せん口数 %1</translation>
    </message>
    <message>
        <source>date %1</source>
        <translation>抽せん日 %1</translation>
    </message>
    <message>
        <source>draw %1: kept %2 (%3), this release has %4</source>
        <translation>第%1回：番号帳の %2（%3）を残しました（この版のデータでは %4）</translation>
    </message>
</context>
<context>
    <name>BookError</name>
    <message>
        <source>The book is busy in another window or program. Nothing was changed; try again when it is done.</source>
        <translation>番号帳はほかのウィンドウかプログラムで使用中です。何も変更していません。終わってからもう一度試してください。</translation>
    </message>
    <message>
        <source>The disk is full. Nothing was changed.</source>
        <translation>ディスクがいっぱいです。何も変更していません。</translation>
    </message>
    <message>
        <source>The book cannot be written (the file or its folder is read-only). Nothing was changed.</source>
        <translation>番号帳に書き込めません（ファイルかそのフォルダーが読み取り専用です）。何も変更していません。</translation>
    </message>
    <message>
        <source>The book could not be written (input/output error). Nothing was changed.</source>
        <translation>番号帳に書き込めませんでした（入出力エラー）。何も変更していません。</translation>
    </message>
    <message>
        <source>The book reported an error: %1. Nothing was changed.</source>
        <translation>番号帳でエラーが起きました：%1。何も変更していません。</translation>
    </message>
</context>
<context>
    <name>BookConnection</name>
    <message>
        <source>Cannot make the folder %1 for the book (read-only or no room?). Nothing was changed.</source>
        <translation>番号帳のフォルダー %1 を作れません（読み取り専用か、空きがないのかもしれません）。何も変更していません。</translation>
    </message>
    <message>
        <source>Cannot open the book %1: %2</source>
        <translation>番号帳 %1 を開けません：%2</translation>
    </message>
    <message>
        <source>The book %1 was written by a newer version of this program. It was not changed.</source>
        <translation>番号帳 %1 はこのプログラムの新しい版で書かれています。変更していません。</translation>
    </message>
    <message>
        <source>Cannot prepare the book %1: %2</source>
        <translation>番号帳 %1 を準備できません：%2</translation>
    </message>
    <message>
        <source>%1 is a folder. Give the path of the book&apos;s file, such as %2.</source>
        <translation>%1 はフォルダーです。%2 のように番号帳のファイルのパスを指定してください。</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a device, a pipe or a socket?). Give the path of the book&apos;s file. Nothing was changed.</source>
        <translation>%1 は通常のファイルではありません（デバイス、パイプ、ソケットなど）。番号帳のファイルのパスを指定してください。何も変更していません。</translation>
    </message>
</context>
<context>
    <name>BookFiles</name>
    <message>
        <source>The book %1 could not be read (%2). It was kept as %3 and a new book was started.</source>
        <translation>番号帳 %1 を読めませんでした（%2）。%3 として残し、新しい番号帳を始めました。</translation>
    </message>
    <message>
        <source>The book %1 is damaged (%2) and could not be moved aside: %3 could not be renamed to %4. Nothing was changed.</source>
        <translation>番号帳 %1 は壊れていて（%2）、脇に移せませんでした：%3 を %4 に名前を変えられませんでした。何も変更していません。</translation>
    </message>
    <message>
        <source>The book %1 is damaged (%2) and could not be moved aside: %3 could not be renamed to %4, and %5 could not be moved back. Nothing was deleted.</source>
        <translation>番号帳 %1 は壊れていて（%2）、脇に移せませんでした：%3 を %4 に名前を変えられず、%5 を元に戻せませんでした。何も削除していません。</translation>
    </message>
</context>
<context>
    <name>BookLock</name>
    <message>
        <source>The book %1 is open in another program (%2, process %3). Close it there, or import there. Nothing was changed.</source>
        <translation>番号帳 %1 はほかのプログラム（%2、プロセス %3）で開かれています。そちらを閉じるか、そちらで取り込んでください。何も変更していません。</translation>
    </message>
    <message>
        <source>Cannot write in the folder %1 (read-only or no room?). Nothing was changed.</source>
        <translation>フォルダー %1 に書き込めません（読み取り専用か空きがない）。何も変更していません。</translation>
    </message>
    <message>
        <source>The book %1 is locked by %2, which this program cannot read or remove. If no other program has the book open, delete %2 and start again. Nothing was changed.</source>
        <translation>番号帳 %1 は %2 でロックされていますが、このプログラムはそれを読むことも消すこともできません。ほかのプログラムがこの番号帳を開いていなければ、%2 を削除してからもう一度始めてください。何も変更していません。</translation>
    </message>
</context>
<context>
    <name>BundledData</name>
    <message>
        <source>The past results are missing from this program.</source>
        <translation>このプログラムには過去の当せん番号が入っていません。</translation>
    </message>
</context>
<context>
    <name>ImportReport</name>
    <message>
        <source>%1 new, %2 already known</source>
        <translation>新規 %1 件、登録済み %2 件</translation>
    </message>
    <message>
        <source>, %1 replaced</source>
        <translation>、置き換え %1 件</translation>
    </message>
    <message>
        <source>, %1 kept (entered by hand)</source>
        <translation>、手入力を残した %1 件</translation>
    </message>
    <message>
        <source>%1 new results (1 draw), %2 already known</source>
        <translation>新規の結果 %1 件（1 回分）、登録済み %2 件</translation>
    </message>
    <message>
        <source>%1 new results (%2 draws), %3 already known</source>
        <translation>新規の結果 %1 件（%2 回分）、登録済み %3 件</translation>
    </message>
    <message>
        <source>1 new result (1 draw), %1 already known</source>
        <translation>新規の結果 1 件（1 回分）、登録済み %1 件</translation>
    </message>
</context>
<context>
    <name>BookContentCheck</name>
    <message>
        <source>the table %1 holds values that break its CHECK constraints (rows: %2)</source>
        <translation>表 %1 に CHECK 制約に反する値があります（%2 行）</translation>
    </message>
    <message>
        <source>the index %1 does not match the table %2</source>
        <translation>索引 %1 が表 %2 と一致しません</translation>
    </message>
</context>
<context>
    <name>ImportQuestions</name>
    <message>
        <source>Import</source>
        <translation>取り込み</translation>
    </message>
    <message>
        <source>Replace a result entered by hand?</source>
        <translation>手入力した結果を置き換えますか？</translation>
    </message>
    <message>
        <source>You entered %1 for %2 by hand. The file %3 gives %4.
Replace your value with the file&apos;s?</source>
        <translation>%2には %1 を手入力しています。ファイル %3 では %4 です。
手入力の値をファイルの値で置き換えますか？</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>置き換える(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Keep mine</source>
        <translation>手入力を残す(&amp;K)</translation>
    </message>
    <message>
        <source>Replace &amp;all %1</source>
        <translation>%1 件すべて置き換える(&amp;A)</translation>
    </message>
    <message>
        <source>Keep all &amp;mine</source>
        <translation>手入力をすべて残す(&amp;M)</translation>
    </message>
    <message>
        <source>Reading %1 files...</source>
        <translation>%1 個のファイルを読んでいます...</translation>
    </message>
    <message>
        <source>Stop the import</source>
        <translation>取り込みを中止</translation>
    </message>
</context>
<context>
    <name>HandEntryQuestions</name>
    <message>
        <source>&amp;Replace</source>
        <translation>置き換える(&amp;R)</translation>
    </message>
    <message>
        <source>Enter a result by hand</source>
        <translation>結果の手入力</translation>
    </message>
    <message>
        <source>The book already holds this result for %1.</source>
        <translation>%1のこの結果はすでに番号帳にあります。</translation>
    </message>
    <message>
        <source>Replace a result?</source>
        <translation>結果を置き換えますか？</translation>
    </message>
    <message>
        <source>The book holds %1 for %2 (%3). Replace it with %4?</source>
        <translation>番号帳では%2は %1（%3）です。%4 に置き換えますか？</translation>
    </message>
    <message>
        <source>&amp;Keep it</source>
        <translation>置き換えない(&amp;K)</translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>The help pages are not installed.</source>
        <translation>ヘルプのページがインストールされていません。</translation>
    </message>
    <message>
        <source>Results book help</source>
        <translation>当せん番号帳のヘルプ</translation>
    </message>
</context>
<context>
    <name>BookGui</name>
    <message>
        <source>The book cannot be opened.</source>
        <translation>番号帳を開けません。</translation>
    </message>
    <message>
        <source>The book could not be read, so a new one was started. The old file was kept as %1.</source>
        <translation>番号帳を読めなかったので、新しい番号帳を始めました。元のファイルは %1 として残してあります。</translation>
    </message>
    <message>
        <source>The past results could not be stored in the book.</source>
        <translation>過去の当せん番号を番号帳に保存できませんでした。</translation>
    </message>
    <message>
        <source>The book %1 was written by a newer version of the program. It was not opened and not changed.</source>
        <translation>番号帳 %1 はこのプログラムの新しい版で書かれています。開かず、変更もしていません。</translation>
    </message>
    <message>
        <source>Numbers3 and Numbers4 results book</source>
        <translation>ナンバーズ3・ナンバーズ4 当せん番号帳</translation>
    </message>
</context>
<context>
    <name>WatchControls</name>
    <message>
        <source>&amp;Watched folder...</source>
        <translation>見張るフォルダー(&amp;W)...</translation>
    </message>
    <message>
        <source>&amp;Keep up from the watched folder</source>
        <translation>見張るフォルダーから取り込む(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Notify when a ticket wins</source>
        <translation>購入が当せんしたら通知する(&amp;N)</translation>
    </message>
    <message>
        <source>Folder to watch for result files</source>
        <translation>結果ファイルを見張るフォルダー</translation>
    </message>
    <message>
        <source>Watched folder</source>
        <translation>見張るフォルダーの設定</translation>
    </message>
    <message>
        <source>New result files are not looked for.</source>
        <translation>新しい結果ファイルは探していません。</translation>
    </message>
    <message>
        <source>New result files are looked for in %1.</source>
        <translation>新しい結果ファイルを %1 で探しています。</translation>
    </message>
    <message>
        <source>%1 not imported: %2</source>
        <translation>%1 は取り込めませんでした：%2</translation>
    </message>
    <message>
        <source>Nothing new in the files from the watched folder.</source>
        <translation>見張るフォルダーのファイルに新しいものはありませんでした。</translation>
    </message>
    <message>
        <source>The choice could not be kept in the book</source>
        <translation>選んだ内容を番号帳に記録できませんでした</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>a quoted field is not closed</source>
        <translation>引用符（&quot;）で始まる項目が閉じていません</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>項目を閉じる引用符のあとに文字があります</translation>
    </message>
</context>
<context>
    <name>ReminderLog</name>
    <message>
        <source>The book is not open.</source>
        <translation>番号帳が開いていません。</translation>
    </message>
</context>
<context>
    <name>TicketFilter</name>
    <message>
        <source>All tickets</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Waiting for the result</source>
        <translation>抽せん待ち</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>当せん</translation>
    </message>
    <message>
        <source>Which tickets to show</source>
        <translation>表示する購入</translation>
    </message>
    <message>
        <source>Sh&amp;ow:</source>
        <translation>表示(&amp;O)：</translation>
    </message>
    <message>
        <source>Result not in the book</source>
        <translation>結果が番号帳にない</translation>
    </message>
    <message>
        <source>Both games</source>
        <translation>両方</translation>
    </message>
    <message>
        <source>Which game&apos;s tickets to show and count</source>
        <translation>どちらのゲームの購入を表示し集計するか</translation>
    </message>
    <message>
        <source>Ga&amp;me:</source>
        <translation>ゲーム(&amp;M)：</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>To collect</source>
        <translation>未換金の当せん</translation>
    </message>
</context>
<context>
    <name>MonthTotalsTable</name>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>件数</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>購入額</translation>
    </message>
    <message>
        <source>Of which theoretical</source>
        <translation>うち理論値</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>収支</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>回収率</translation>
    </message>
    <message>
        <source>Totals per month, newest first</source>
        <translation>月ごとの合計（新しい月から）</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>抽せん待ち</translation>
    </message>
    <message>
        <source>result not in the book</source>
        <translation>結果が番号帳にありません</translation>
    </message>
    <message>
        <source>Prizes</source>
        <translation>当せん金</translation>
    </message>
</context>
<context>
    <name>TicketQuestions</name>
    <message>
        <source>Delete tickets</source>
        <translation>購入の記録の削除</translation>
    </message>
    <message>
        <source>Ticket list</source>
        <translation>購入リスト</translation>
    </message>
    <message>
        <source>Import a ticket list</source>
        <translation>購入リストの読み込み</translation>
    </message>
    <message>
        <source>Ticket lists (*.csv *.txt);;All files (*)</source>
        <translation>購入リスト (*.csv *.txt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Export tickets as CSV</source>
        <translation>購入の記録を CSV に書き出す</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Save tickets as PDF</source>
        <translation>購入の記録を PDF に保存</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>Delete the %1 selected tickets? Ctrl+Z brings them back.</source>
        <translation>選んだ %1 件の記録を削除しますか？ Ctrl+Z で元に戻せます。</translation>
    </message>
    <message>
        <source>&amp;Delete %1 tickets</source>
        <translation>%1 件を削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Keep them</source>
        <translation>削除しない(&amp;K)</translation>
    </message>
    <message>
        <source>%1 of the %2 tickets in %3 are already in the book (the same draw, number, way, units and note).</source>
        <translation>%3 の %2 件のうち %1 件は、すでに記録されています（回号・番号・申込タイプ・口数・メモが同じ）。</translation>
    </message>
    <message>
        <source>Add them again, or leave them out?</source>
        <translation>もう一度記録しますか、それとも除きますか？</translation>
    </message>
    <message>
        <source>&amp;Leave them out</source>
        <translation>記録済みのものを除く(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Add them again</source>
        <translation>もう一度記録する(&amp;A)</translation>
    </message>
</context>
<context>
    <name>TicketReport</name>
    <message>
        <source>%1: %2 of %3 tickets, printed %4</source>
        <translation>%1：%3 件中 %2 件、%4 印刷</translation>
    </message>
    <message>
        <source>theoretical</source>
        <translation>理論値</translation>
    </message>
    <message>
        <source>theoretical prize: the book does not know that draw&apos;s actual prize for the way.</source>
        <translation>理論値の当せん金：番号帳にその回のその申込タイプの実際の当せん金がありません。</translation>
    </message>
    <message>
        <source>Numbers3 and Numbers4 tickets</source>
        <translation>ナンバーズ3・ナンバーズ4 購入の記録</translation>
    </message>
</context>
<context>
    <name>TicketPrint</name>
    <message>
        <source>Print tickets</source>
        <translation>購入の記録の印刷</translation>
    </message>
    <message>
        <source>Laying out the ticket list...</source>
        <translation>購入の記録をページに割り付けています...</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>中止(&amp;S)</translation>
    </message>
    <message>
        <source>Ticket list layout progress</source>
        <translation>購入の記録の割り付けの進み具合</translation>
    </message>
    <message>
        <source>The tickets were not printed to %1: it is the book or a file the book keeps.</source>
        <translation>購入の記録を %1 に印刷しませんでした。番号帳か、番号帳が使うファイルです。</translation>
    </message>
    <message>
        <source>Stopped before the end; nothing was written.</source>
        <translation>最後まで行く前に中止しました。何も書き込んでいません。</translation>
    </message>
    <message>
        <source>Numbers3 and Numbers4 tickets</source>
        <translation>ナンバーズ3・ナンバーズ4 購入の記録</translation>
    </message>
</context>
<context>
    <name>TicketHistory</name>
    <message>
        <source>There is nothing to undo.</source>
        <translation>元に戻せる変更はありません。</translation>
    </message>
</context>
<context>
    <name>TicketListIntake</name>
    <message>
        <source>Ticket list</source>
        <translation>購入リスト</translation>
    </message>
    <message>
        <source>%1 holds no tickets.</source>
        <translation>%1 には購入がありません。</translation>
    </message>
    <message>
        <source>The clipboard holds no text. Copy lines such as
7150,123,straight,1
and paste again.</source>
        <translation>クリップボードに文字がありません。
7150,123,straight,1
のような行をコピーしてから、もう一度貼り付けてください。</translation>
    </message>
    <message>
        <source>pasted text</source>
        <translation>貼り付けた文字</translation>
    </message>
    <message>
        <source>Nothing was stored.</source>
        <translation>何も記録していません。</translation>
    </message>
</context>
<context>
    <name>ElidedText</name>
    <message>
        <source>; </source>
        <translation>／</translation>
    </message>
</context>
</TS>
