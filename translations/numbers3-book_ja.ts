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
        <source>%1 is not in the book.</source>
        <translation>%1は番号帳にありません。</translation>
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
        <translation>最初と最後の回の間で抜けている回：%1</translation>
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
</context>
<context>
    <name>BookWindow</name>
    <message>
        <source>Numbers3 results book</source>
        <translation>ナンバーズ3 当せん番号帳</translation>
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
        <source>Missing draws</source>
        <translation>抜けている回</translation>
    </message>
    <message>
        <source>Draws between the first and the last known that the book does not hold</source>
        <translation>最初と最後の回の間で番号帳にない回</translation>
    </message>
    <message>
        <source>The book</source>
        <translation>番号帳</translation>
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
        <source>such as 123</source>
        <translation>例：123</translation>
    </message>
    <message>
        <source>&amp;Look up</source>
        <translation>調べる(&amp;L)</translation>
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
    <message>
        <source>About the results book</source>
        <translation>当せん番号帳について</translation>
    </message>
    <message>
        <source>Numbers3 results book %1

Keeps the results of the three-digit lottery in %2.
Free software under the GNU General Public License, version 3 or later.</source>
        <translation>ナンバーズ3 当せん番号帳 %1

3 桁の数字くじの当せん番号を %2 に記録します。
GNU 一般公衆利用許諾書バージョン 3 以降のもとで配布されるフリーソフトウェアです。</translation>
    </message>
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
        <source>Loo&amp;k up</source>
        <translation>調べる(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Draws</source>
        <translation>一覧(&amp;D)</translation>
    </message>
    <message>
        <source>Digit &amp;chart</source>
        <translation>数字のグラフ(&amp;C)</translation>
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
        <source>Prize per unit in yen (optional; 0 for no winner)</source>
        <translation>1 口あたりの当せん金（円。省略可、該当なしは 0）</translation>
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
        <source>Files: %1; imported: %2; refused: %3. New draws in the book: %4.</source>
        <translation>ファイル %1 件：取り込み %2 件、取り込めず %3 件。番号帳に新しく %4 回分が入りました。</translation>
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
</context>
<context>
    <name>BookStore</name>
    <message>
        <source>bundled</source>
        <translation>内蔵</translation>
    </message>
    <message>
        <source>entered by hand</source>
        <translation>手入力</translation>
    </message>
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
    <message>
        <source>Cannot make the folder %1 for the book (read-only or no room?). Nothing was changed.</source>
        <translation>番号帳のフォルダー %1 を作れません（読み取り専用か、空きがないのかもしれません）。何も変更していません。</translation>
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
        <source>The book %1 is damaged (%2) and could not be moved aside. Nothing was changed.</source>
        <translation>番号帳 %1 は壊れていて（%2）、脇に移せませんでした。何も変更していません。</translation>
    </message>
    <message>
        <source>The book %1 could not be read (%2). It was kept as %3 and a new book was started.</source>
        <translation>番号帳 %1 を読めませんでした（%2）。%3 として残し、新しい番号帳を始めました。</translation>
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
        <source>The book %1 is open in another program (%2, process %3). Close it there, or import there. Nothing was changed.</source>
        <translation>番号帳 %1 はほかのプログラム（%2、プロセス %3）で開かれています。そちらを閉じるか、そちらで取り込んでください。何も変更していません。</translation>
    </message>
    <message>
        <source>Cannot write in the folder %1 (read-only or no room?). Nothing was changed.</source>
        <translation>フォルダー %1 に書き込めません（読み取り専用か空きがない）。何も変更していません。</translation>
    </message>
    <message>
        <source>%1 is a folder. Give the path of the book&apos;s file, such as %2.</source>
        <translation>%1 はフォルダーです。%2 のように番号帳のファイルのパスを指定してください。</translation>
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
        <source>The book is not open.</source>
        <translation>番号帳が開いていません。</translation>
    </message>
    <message>
        <source>The past results are missing from this program.</source>
        <translation>このプログラムには過去の当せん番号が入っていません。</translation>
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
        <source>%1 is another program&apos;s database, not a results book. It was not changed; choose another file for the book.</source>
        <translation>%1 はほかのプログラムのデータベースで、番号帳ではありません。変更していません。番号帳には別のファイルを選んでください。</translation>
    </message>
    <message>
        <source>The book %1 is damaged (%2) and could not be moved aside: %3 could not be renamed to %4. Nothing was changed.</source>
        <translation>番号帳 %1 は壊れていて（%2）、脇に移せませんでした：%3 を %4 に名前を変えられませんでした。何も変更していません。</translation>
    </message>
    <message>
        <source>The book %1 is damaged (%2) and could not be moved aside: %3 could not be renamed to %4, and %5 could not be moved back. Nothing was deleted.</source>
        <translation>番号帳 %1 は壊れていて（%2）、脇に移せませんでした：%3 を %4 に名前を変えられず、%5 を元に戻せませんでした。何も削除していません。</translation>
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
</context>
<context>
    <name>BookCli</name>
    <message>
        <source>error: %1</source>
        <translation>エラー：%1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>draw %1: kept %2 (entered by hand), the file has %3</source>
        <translation>第%1回：手入力の %2 を残しました（ファイルでは %3）</translation>
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
        <source>the file holds no result of Numbers3</source>
        <translation>ナンバーズ3の当せん番号が入っていません</translation>
    </message>
    <message>
        <source>draw %1 appears twice with different results (%2 on line %3, %4 here)</source>
        <translation>第%1回が違う当せん番号で二度出てきます（%3 行目では %2、ここでは %4）</translation>
    </message>
</context>
</TS>
