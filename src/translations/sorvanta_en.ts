<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>AboutBox</name>
    <message>
        <source>Copyright (C) Sorvanta の開発者。このプログラムは無保証で提供されます。</source>
        <translation>Copyright (C) the developers of Sorvanta. This program comes with no warranty.</translation>
    </message>
    <message>
        <source>最新版の情報は、定期的にサポートページでご確認ください。</source>
        <translation>For the latest version, check the documentation from time to time.</translation>
    </message>
    <message>
        <source>サポート情報:</source>
        <translation>Support:</translation>
    </message>
    <message>
        <source>説明書 (README)</source>
        <translation>Manual (README)</translation>
    </message>
</context>
<context>
    <name>BrowseUrl</name>
    <message>
        <source>ブラウザで開く</source>
        <translation>Open in Browser</translation>
    </message>
    <message>
        <source>このURLはHTMLでない可能性のあるファイルを参照しています。<byte value="xd"/>
代替URLを開きますか?</source>
        <translation>This URL may refer to a file that is not HTML.<byte value="xd"/>
Open the site&apos;s top page instead?</translation>
    </message>
</context>
<context>
    <name>ChooserDialogs</name>
    <message>
        <source>ファイルを開く</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>サウンド (*.wav)</source>
        <translation>Sounds (*.wav)</translation>
    </message>
</context>
<context>
    <name>CycleTexts</name>
    <message>
        <source>%1 が正常にダウンロードできませんでした。</source>
        <translation>%1 could not be downloaded properly.</translation>
    </message>
    <message>
        <source>インターネットに接続できません。ダウンロードを中止しました。</source>
        <translation>Cannot connect to the Internet. The download was stopped.</translation>
    </message>
    <message>
        <source>インターネットの設定が正しいか確認してください。</source>
        <translation>Check that the Internet settings are correct.</translation>
    </message>
    <message>
        <source>原因: %1</source>
        <translation>Cause: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; が開けません。ダウンロードを中止しました。</source>
        <translation>Cannot open &apos;%1&apos;. The download was stopped.</translation>
    </message>
    <message>
        <source>ダウンロードの設定が正しいか確認してください。</source>
        <translation>Check that the download settings are correct.</translation>
    </message>
    <message>
        <source>エラー : </source>
        <translation>Error: </translation>
    </message>
    <message>
        <source>エラー :%1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; のダウンロードが遅すぎるため、中止しました。</source>
        <translation>The download of &apos;%1&apos; was too slow and was stopped.</translation>
    </message>
    <message>
        <source>(%1 秒間の平均が毎秒 %2 バイト未満)</source>
        <translation>(less than %2 bytes per second on average over %1 seconds)</translation>
    </message>
    <message>
        <source>%1 分</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 seconds</translation>
    </message>
    <message>
        <source>&apos;%1&apos; のダウンロードが %2を超えたため、中止しました。</source>
        <translation>The download of &apos;%1&apos; took more than %2 and was stopped.</translation>
    </message>
    <message>
        <source>(ダウンロードにかけられる時間の上限)</source>
        <translation>(the longest a download may take)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; の認証に失敗しました。ユーザー名とパスワードが正しいか確認してください。</source>
        <translation>Authentication for &apos;%1&apos; failed. Check that the user name and password are correct.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; のダウンロードには認証が必要です。ユーザー名とパスワードを指定してください。</source>
        <translation>Downloading &apos;%1&apos; needs authentication. Enter a user name and password.</translation>
    </message>
    <message>
        <source>エラー : 401 Authorization Required</source>
        <translation>Error: 401 Authorization Required</translation>
    </message>
    <message>
        <source>プロキシ認証に失敗しました。ユーザー名とパスワードが正しいか確認してください。</source>
        <translation>Proxy authentication failed. Check that the user name and password are correct.</translation>
    </message>
    <message>
        <source>プロキシ認証が必要です。ユーザー名とパスワードを指定してください。</source>
        <translation>The proxy needs authentication. Enter a user name and password.</translation>
    </message>
    <message>
        <source>(上限 %1 MB)</source>
        <translation>(limit %1 MB)</translation>
    </message>
    <message>
        <source>(上限 %1 バイト)</source>
        <translation>(limit %1 bytes)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は大きすぎるため、ダウンロードを中止しました。</source>
        <translation>&apos;%1&apos; is too large; the download was stopped.</translation>
    </message>
    <message>
        <source>エラー%1 : %2</source>
        <translation>Error %1: %2</translation>
    </message>
    <message>
        <source>プロシージャの呼び出し、または引数が不正です。</source>
        <translation>Invalid procedure call or argument.</translation>
    </message>
    <message>
        <source>受け取ったページが空でした</source>
        <translation>The page received was empty</translation>
    </message>
    <message>
        <source>接続を拒否されました</source>
        <translation>The connection was refused</translation>
    </message>
    <message>
        <source>ホストが見つかりません</source>
        <translation>Host not found</translation>
    </message>
    <message>
        <source>証明書を確認できません</source>
        <translation>The certificate could not be verified</translation>
    </message>
    <message>
        <source>安全な接続 (TLS) を確立できません</source>
        <translation>A secure connection (TLS) could not be established</translation>
    </message>
    <message>
        <source>応答がありません (%1 秒)</source>
        <translation>No answer (%1 s)</translation>
    </message>
    <message>
        <source>リダイレクトが多すぎます</source>
        <translation>Too many redirects</translation>
    </message>
    <message>
        <source>アドレスが正しくありません</source>
        <translation>The address is not valid</translation>
    </message>
    <message>
        <source>接続が途中で切れました</source>
        <translation>The connection was cut off</translation>
    </message>
    <message>
        <source>(不明なエラー)</source>
        <translation>(unknown error)</translation>
    </message>
    <message>
        <source>情報はありません</source>
        <translation>No information</translation>
    </message>
    <message>
        <source>抽出された情報はありません</source>
        <translation>Nothing was extracted</translation>
    </message>
    <message>
        <source>%1件の情報があります</source>
        <translation>Items: %1</translation>
    </message>
    <message>
        <source>ダウンロードを中止しました。</source>
        <translation>The download was stopped.</translation>
    </message>
    <message>
        <source>ダウンロードは完了しました。</source>
        <translation>The download is complete.</translation>
    </message>
    <message>
        <source>%1 (エラー %2 件)</source>
        <translation>%1 (errors: %2)</translation>
    </message>
    <message>
        <source>%1。%2 ページでエラー</source>
        <translation>%1. Pages with errors: %2</translation>
    </message>
    <message>
        <source>インターネットに接続されていません。<byte value="xd"/>
<byte value="xd"/>
情報のダウンロードはできません。</source>
        <translation>Not connected to the Internet.<byte value="xd"/>
<byte value="xd"/>
The information cannot be downloaded.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; を更新中</source>
        <translation>Updating &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 バイト</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1件</source>
        <translation>%1 found</translation>
    </message>
    <message>
        <source>該当なし</source>
        <translation>No match</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>BOM</source>
        <translation>BOM</translation>
    </message>
    <message>
        <source>HTTP ヘッダー</source>
        <translation>HTTP header</translation>
    </message>
    <message>
        <source>meta タグ</source>
        <translation>meta tag</translation>
    </message>
    <message>
        <source>XML 宣言</source>
        <translation>XML declaration</translation>
    </message>
    <message>
        <source>自動判別</source>
        <translation>detected</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>新しい URL.TXT がインストールされました。<byte value="xd"/>
<byte value="xd"/>
新しい設定に置き換えますか?</source>
        <translation>A new URL.TXT has been installed.<byte value="xd"/>
<byte value="xd"/>
Replace your settings with the new ones?</translation>
    </message>
    <message>
        <source>新しい filter.txt がインストールされました。<byte value="xd"/>
<byte value="xd"/>
新しい設定に置き換えますか？</source>
        <translation>A new filter.txt has been installed.<byte value="xd"/>
<byte value="xd"/>
Replace your settings with the new ones?</translation>
    </message>
    <message>
        <source>新しい keywords.txt がインストールされました。<byte value="xd"/>
<byte value="xd"/>
新しい設定に置き換えますか？</source>
        <translation>A new keywords.txt has been installed.<byte value="xd"/>
<byte value="xd"/>
Replace your settings with the new ones?</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>ファイル &apos;%1&apos; に書き込めません。</source>
        <translation>Cannot write to the file &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>設定の変更は反映されません。<byte value="xd"/>
必要な場合は、もう一度設定しなおしてください。</source>
        <translation>The changes to the settings were not applied.<byte value="xd"/>
If needed, make them again.</translation>
    </message>
</context>
<context>
    <name>DefaultMessage</name>
    <message>
        <source>現在、遅れに関する情報はありません。</source>
        <translation>There is no information on delays at the moment.</translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>適用(&amp;A)</source>
        <translation>&amp;Apply</translation>
    </message>
</context>
<context>
    <name>DisplayTexts</name>
    <message>
        <source>更新中</source>
        <translation>Updating</translation>
    </message>
    <message>
        <source>ダウンロードしていません</source>
        <translation>Not downloaded yet</translation>
    </message>
    <message>
        <source>未更新</source>
        <translation>Not updated</translation>
    </message>
    <message>
        <source>取得するページがありません。右クリックして「更新の設定」からページを追加してください。</source>
        <translation>There are no pages to fetch. Right-click and add pages under &quot;Update Settings&quot;.</translation>
    </message>
    <message>
        <source>情報を表示(全%1件)</source>
        <translation>Show Items (%1 in all)</translation>
    </message>
    <message>
        <source>%1 を更新中</source>
        <translation>Updating %1</translation>
    </message>
    <message>
        <source>バージョン %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>%1 のバージョン情報</source>
        <translation>About %1</translation>
    </message>
</context>
<context>
    <name>FreedesktopNotifier</name>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
</context>
<context>
    <name>KeywordListDialog</name>
    <message>
        <source>キーワードの設定</source>
        <translation>Keywords</translation>
    </message>
    <message>
        <source>追加(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>削除(&amp;R)</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>上へ(&amp;U)</source>
        <translation>Move &amp;Up</translation>
    </message>
    <message>
        <source>下へ(&amp;D)</source>
        <translation>Move &amp;Down</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>キーワードを入力してから、[追加] をクリックしてください(&amp;T)</source>
        <translation>En&amp;ter a keyword, then click [Add]</translation>
    </message>
    <message>
        <source>キーワード(&amp;W):</source>
        <translation>Key&amp;word:</translation>
    </message>
</context>
<context>
    <name>NewsNotices</name>
    <message>
        <source>ほかに新着のキーワード情報が %1 件あります。</source>
        <translation>More new keyword items: %1.</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>オプション</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>全般</source>
        <translation>General</translation>
    </message>
    <message>
        <source>抽出と表示</source>
        <translation>Extraction and Display</translation>
    </message>
    <message>
        <source>ネットワーク</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>サウンド</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>OptionsPages</name>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>定期的に更新する(&amp;C)</source>
        <translation>Update periodi&amp;cally</translation>
    </message>
    <message>
        <source>分ごと(&amp;T)</source>
        <translation>minu&amp;tes</translation>
    </message>
    <message>
        <source>次の時間帯は更新しない(&amp;F)</source>
        <translation>Do not update during these hours (&amp;F)</translation>
    </message>
    <message>
        <source>時 から(&amp;R)</source>
        <translation>h f&amp;rom</translation>
    </message>
    <message>
        <source>時 まで(&amp;T)</source>
        <translation>h &amp;to</translation>
    </message>
    <message>
        <source>起動時に更新する(&amp;S)</source>
        <translation>Update at &amp;start</translation>
    </message>
    <message>
        <source>進捗を表示する(&amp;P)</source>
        <translation>Show &amp;progress</translation>
    </message>
    <message>
        <source>エラーを通知しない(&amp;E)</source>
        <translation>Do not report &amp;errors</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>更新時に表示する(&amp;N)</source>
        <translation>Show after an update (&amp;N)</translation>
    </message>
    <message>
        <source>定期的に情報を表示する(&amp;H)</source>
        <translation>Show items periodically (&amp;H)</translation>
    </message>
    <message>
        <source>秒ごと(&amp;I)</source>
        <translation>seconds (&amp;I)</translation>
    </message>
    <message>
        <source>情報がない場合、固定メッセージを表示する(&amp;D)</source>
        <translation>Show a fixed message when there is no information (&amp;D)</translation>
    </message>
    <message>
        <source>テスト</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>情報の抽出</source>
        <translation>Extraction</translation>
    </message>
    <message>
        <source>詳細設定(&amp;D)...</source>
        <translation>&amp;Details...</translation>
    </message>
    <message>
        <source>取得したページから特定の部分を抽出して表示します。</source>
        <translation>Shows chosen parts extracted from the pages fetched.</translation>
    </message>
    <message>
        <source>除外条件を無効化する(&amp;E)</source>
        <translation>Ignore the &amp;exclusions</translation>
    </message>
    <message>
        <source>抽出できないページは全文を表示する(&amp;B)</source>
        <translation>Show the whole text of a page where nothing is extracted (&amp;B)</translation>
    </message>
    <message>
        <source>情報の表示</source>
        <translation>Showing Items</translation>
    </message>
    <message>
        <source>キーワード(&amp;W)...</source>
        <translation>Key&amp;words...</translation>
    </message>
    <message>
        <source>指定したキーワードを赤色で表示します。</source>
        <translation>Shows the keywords you choose in red.</translation>
    </message>
    <message>
        <source>ページのラベルを橙色で表示する(&amp;H)</source>
        <translation>Show the page&apos;s label in orange (&amp;H)</translation>
    </message>
    <message>
        <source>適用された抽出ルール名を緑色で表示する(&amp;R)</source>
        <translation>Show the name of the applied &amp;rule in green</translation>
    </message>
    <message>
        <source>すべて橙色で表示する(&amp;O)</source>
        <translation>Show everything in &amp;orange</translation>
    </message>
    <message>
        <source>ちらつきを低減する(&amp;S)</source>
        <translation>Reduce flicker (&amp;S)</translation>
    </message>
    <message>
        <source>フォント(&amp;F)...</source>
        <translation>&amp;Font...</translation>
    </message>
    <message>
        <source>情報の表示に使うフォントを変更します。</source>
        <translation>Changes the font the items are shown in.</translation>
    </message>
    <message>
        <source>構成</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>プロキシ サーバー(&amp;X)...</source>
        <translation>Pro&amp;xy Server...</translation>
    </message>
    <message>
        <source>アクセスに使用するプロキシ サーバーを設定できます。</source>
        <translation>Sets the proxy server used for downloads.</translation>
    </message>
    <message>
        <source>ダイヤルアップ</source>
        <translation>Dial-up</translation>
    </message>
    <message>
        <source>インターネットに接続していない場合は接続する(&amp;A)</source>
        <translation>Connect to the Internet when not connected (&amp;A)</translation>
    </message>
    <message>
        <source>ダウンロードが終了したら切断する(&amp;D)</source>
        <translation>Disconnect when the download is &amp;done</translation>
    </message>
    <message>
        <source>更新時に音を鳴らす(&amp;D)</source>
        <translation>Play a sound after an update (&amp;D)</translation>
    </message>
    <message>
        <source>情報表示時に音を鳴らす(&amp;S)</source>
        <translation>Play a sound when an item is &amp;shown</translation>
    </message>
    <message>
        <source>キーワードが含まれる場合(&amp;K):</source>
        <translation>With a &amp;keyword:</translation>
    </message>
    <message>
        <source>キーワードが含まれない場合(&amp;N):</source>
        <translation>With &amp;no keyword:</translation>
    </message>
    <message>
        <source>抽出できない場合(&amp;I):</source>
        <translation>When nothing is extracted (&amp;I):</translation>
    </message>
    <message>
        <source>ウィンドウ</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>ウィンドウの左クリックで次の情報を表示する(&amp;C)</source>
        <translation>Show the next item on a left &amp;click on the window</translation>
    </message>
    <message>
        <source>タスクバーに情報を表示する(&amp;B)</source>
        <translation>Show in the task&amp;bar</translation>
    </message>
    <message>
        <source>終了時と同じ位置にウィンドウを表示する(&amp;P)</source>
        <translation>Open the window where it was at exit (&amp;P)</translation>
    </message>
    <message>
        <source>常に手前に表示する(&amp;T)</source>
        <translation>Always on &amp;top</translation>
    </message>
    <message>
        <source>ウィンドウのダブルクリックで終了する(&amp;D)</source>
        <translation>Exit on a &amp;double click on the window</translation>
    </message>
    <message>
        <source>表示倍率(&amp;Z):</source>
        <translation>&amp;Zoom:</translation>
    </message>
    <message>
        <source>起動</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>ログオン時に Sorvanta を実行する(&amp;R)</source>
        <translation>&amp;Run Sorvanta at logon</translation>
    </message>
    <message>
        <source>通知</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>新着のキーワードを通知する(&amp;N)</source>
        <translation>&amp;Notify new keyword items</translation>
    </message>
</context>
<context>
    <name>OptionsRules</name>
    <message>
        <source>情報をダウンロードする間隔は 1 から 60 分の間で指定してください。</source>
        <translation>Enter an update interval between 1 and 60 minutes.</translation>
    </message>
    <message>
        <source>情報を表示する間隔は 1 から 600 秒の間で指定してください。</source>
        <translation>Enter a display interval between 1 and 600 seconds.</translation>
    </message>
</context>
<context>
    <name>PageEditDialog</name>
    <message>
        <source>取得するページの設定</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>このページを取得する(&amp;I)</source>
        <translation>Fetch th&amp;is page</translation>
    </message>
    <message>
        <source>名前(&amp;N):</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>ラベル(&amp;L):</source>
        <translation>&amp;Label:</translation>
    </message>
    <message>
        <source>情報を表示するとき、先頭に付加できます。</source>
        <translation>Can be put before the items when they are shown.</translation>
    </message>
    <message>
        <source>認証情報</source>
        <translation>Authentication</translation>
    </message>
    <message>
        <source>このURLからのダウンロードに認証が必要な場合は、ユーザー名とパスワードを入力してください。</source>
        <translation>If downloading from this URL needs authentication, enter the user name and password.</translation>
    </message>
    <message>
        <source>ユーザー名(&amp;S):</source>
        <translation>U&amp;ser name:</translation>
    </message>
    <message>
        <source>パスワード(&amp;P):</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>PageFields</name>
    <message>
        <source>URL が正しく入力されていません。<byte value="xd"/>
「http://」もしくは「https://」から入力してください。</source>
        <translation>The URL is not entered correctly.<byte value="xd"/>
It must start with &quot;http://&quot; or &quot;https://&quot;.</translation>
    </message>
    <message>
        <source>新しいページ</source>
        <translation>New page</translation>
    </message>
</context>
<context>
    <name>PageListDialog</name>
    <message>
        <source>更新の設定</source>
        <translation>Update Settings</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>状態</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>取得するページ</source>
        <translation>Pages to Fetch</translation>
    </message>
    <message>
        <source>追加(&amp;A)...</source>
        <translation>&amp;Add...</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>編集(&amp;E)...</source>
        <translation>&amp;Edit...</translation>
    </message>
    <message>
        <source>上へ</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下へ</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>すべて未選択</source>
        <translation>Clear All</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>URL &apos;%1&apos; を削除します。<byte value="xd"/>
よろしいですか?</source>
        <translation>The URL &apos;%1&apos; will be deleted.<byte value="xd"/>
Are you sure?</translation>
    </message>
    <message>
        <source>削除の確認</source>
        <translation>Confirm Deletion</translation>
    </message>
</context>
<context>
    <name>PageMenus</name>
    <message>
        <source>（なし）</source>
        <translation>(none)</translation>
    </message>
</context>
<context>
    <name>PasswordScrambler</name>
    <message>
        <source>このパスワードには保存できない文字が含まれています。<byte value="xd"/>
半角の英数字と記号だけで入力してください。</source>
        <translation>This password holds characters that cannot be saved.<byte value="xd"/>
Use only ASCII letters, digits and symbols.</translation>
    </message>
</context>
<context>
    <name>PrivacyWarning</name>
    <message>
        <source>設定フォルダー &apos;%1&apos; はほかのユーザーも読めるようになっていますが、パスワードを含むファイルがあります。自分だけが読めるようにするには chmod 700 &apos;%1&apos; を実行してください。</source>
        <translation>The settings folder &apos;%1&apos; can be read by other users, but it holds files with passwords. To make it yours alone, run chmod 700 &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>表示しない(&amp;H)</source>
        <translation>&amp;Hide</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ProxyDialog</name>
    <message>
        <source>ダウンロードにプロキシサーバーを使用する(&amp;X)</source>
        <translation>Use a pro&amp;xy server for downloads</translation>
    </message>
    <message>
        <source>プロキシ サーバーの設定</source>
        <translation>Proxy Server</translation>
    </message>
    <message>
        <source>ポート(&amp;T):</source>
        <translation>Por&amp;t:</translation>
    </message>
    <message>
        <source>アドレス(&amp;E):</source>
        <translation>Addr&amp;ess:</translation>
    </message>
    <message>
        <source>このサーバーが認証を必要とする場合は、ユーザー名とパスワードを入力してください。</source>
        <translation>If this server needs authentication, enter the user name and password.</translation>
    </message>
    <message>
        <source>ユーザー名(&amp;S):</source>
        <translation>U&amp;ser name:</translation>
    </message>
    <message>
        <source>パスワード(&amp;P):</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>構成</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>RuleDescription</name>
    <message>
        <source>%1 から</source>
        <translation>from %1</translation>
    </message>
    <message>
        <source>%1 までの間を抽出する</source>
        <translation>to %1 is extracted</translation>
    </message>
    <message>
        <source>ただし %1 のいずれかを含んでいたら抽出しない</source>
        <translation>except where it holds any of %1</translation>
    </message>
</context>
<context>
    <name>RuleEditDialog</name>
    <message>
        <source>抽出ルールの編集</source>
        <translation>Edit Rule</translation>
    </message>
    <message>
        <source>次のルールが、ダウンロードしたウェブページからの情報の抽出に適用されます。</source>
        <translation>This rule is applied to extract items from the web pages downloaded.</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>新しいルール</source>
        <translation>New rule</translation>
    </message>
    <message>
        <source>この文字列より後の文字列を抽出します。</source>
        <translation>The text after this text is extracted.</translation>
    </message>
    <message>
        <source>抽出した文字列から、次の文字列以降を切り捨てます。</source>
        <translation>The extracted text is cut off from this text on.</translation>
    </message>
    <message>
        <source>抽出された文字列が次のいずれかの文字列を含む場合は抽出を中止します。</source>
        <translation>Extracted text that holds any of these texts is dropped.</translation>
    </message>
    <message>
        <source>抽出ルール名(&amp;R):</source>
        <translation>&amp;Rule name:</translation>
    </message>
    <message>
        <source>ヘッダー(&amp;F):</source>
        <translation>Header (&amp;F):</translation>
    </message>
    <message>
        <source>フッター(&amp;T):</source>
        <translation>Foo&amp;ter:</translation>
    </message>
    <message>
        <source>除外条件(&amp;N):</source>
        <translation>Exclusio&amp;ns:</translation>
    </message>
    <message>
        <source>1. の項目は必ず入力してください。</source>
        <translation>Item 1. must be filled in.</translation>
    </message>
</context>
<context>
    <name>RuleListDialog</name>
    <message>
        <source>情報の抽出</source>
        <translation>Extraction</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)...</source>
        <translation>&amp;New...</translation>
    </message>
    <message>
        <source>変更(&amp;M)...</source>
        <translation>&amp;Modify...</translation>
    </message>
    <message>
        <source>削除(&amp;R)</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>上へ(&amp;U)</source>
        <translation>Move &amp;Up</translation>
    </message>
    <message>
        <source>下へ(&amp;D)</source>
        <translation>Move &amp;Down</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>次のルールが情報の抽出に適用されます。</source>
        <translation>These rules are applied to extract items.</translation>
    </message>
    <message>
        <source>抽出ルールの説明(&amp;L):</source>
        <translation>Rule description (&amp;L):</translation>
    </message>
    <message>
        <source>ルール &apos;%1&apos; を削除します。<byte value="xd"/>
よろしいですか?</source>
        <translation>The rule &apos;%1&apos; will be deleted.<byte value="xd"/>
Are you sure?</translation>
    </message>
    <message>
        <source>削除の確認</source>
        <translation>Confirm Deletion</translation>
    </message>
</context>
<context>
    <name>RuleTesterPanel</name>
    <message>
        <source>除外(空の語) </source>
        <translation>Excluded (empty word) </translation>
    </message>
    <message>
        <source>除外「%1」 </source>
        <translation>Excluded &quot;%1&quot; </translation>
    </message>
    <message>
        <source>除外条件に空の語があります(空白が続いているか、末尾にあります)。すべての情報が除外されます。</source>
        <translation>The exclusions hold an empty word (two spaces in a row, or one at the end). Every item is excluded.</translation>
    </message>
    <message>
        <source>除外条件の「%1」を含むため、表示されません。</source>
        <translation>Not shown: it holds the exclusion &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>テスト</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>取得</source>
        <translation>Fetch</translation>
    </message>
    <message>
        <source>「取得」を押すと、このページにルールを当てた結果を表示します。</source>
        <translation>Press &quot;Fetch&quot; to see what this rule takes from this page.</translation>
    </message>
    <message>
        <source>ページが登録されていません。</source>
        <translation>No pages are listed.</translation>
    </message>
    <message>
        <source>ページを選んで「取得」を押すと、このルールで抽出される情報を表示します。</source>
        <translation>Choose a page and press &quot;Fetch&quot; to see the items this rule extracts.</translation>
    </message>
    <message>
        <source>ページ(&amp;P):</source>
        <translation>&amp;Page:</translation>
    </message>
    <message>
        <source>取得を中止しました。</source>
        <translation>Fetching was stopped.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; を取得中…</source>
        <translation>Fetching &apos;%1&apos;…</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>取得できませんでした。</source>
        <translation>The page could not be fetched.</translation>
    </message>
    <message>
        <source>文字コード: %1&#x3000;文字数: %2</source>
        <translation>Encoding: %1   Characters: %2</translation>
    </message>
    <message>
        <source>
ヘッダーを入力してください。</source>
        <translation>
Enter a header.</translation>
    </message>
    <message>
        <source>…ほか %1 件</source>
        <translation>…and %1 more</translation>
    </message>
    <message>
        <source>&#x3000;抽出: %1件&#x3000;除外: %2件</source>
        <translation>   Extracted: %1   Excluded: %2</translation>
    </message>
    <message>
        <source>フィードの見出し %1 件を表示します</source>
        <translation>The feed&apos;s titles are shown (%1)</translation>
    </message>
</context>
<context>
    <name>SkinDialog</name>
    <message>
        <source>ファイル名</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>スキンの選択</source>
        <translation>Select Skin</translation>
    </message>
    <message>
        <source>画像ファイルが見つかりません。</source>
        <translation>No image files were found.</translation>
    </message>
    <message>
        <source>サンプル:</source>
        <translation>Sample:</translation>
    </message>
</context>
<context>
    <name>TickerMenu</name>
    <message>
        <source>メニュー(&amp;M)</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>中止(&amp;P)</source>
        <translation>Sto&amp;p</translation>
    </message>
    <message>
        <source>この情報を開く(&amp;I)</source>
        <translation>Open This &amp;Item</translation>
    </message>
    <message>
        <source>更新(&amp;R)</source>
        <translation>&amp;Reload</translation>
    </message>
    <message>
        <source>更新の設定(&amp;P)</source>
        <translation>U&amp;pdate Settings</translation>
    </message>
    <message>
        <source>ブラウザで開く(&amp;B)</source>
        <translation>Open in &amp;Browser</translation>
    </message>
    <message>
        <source>スキン(&amp;S)...</source>
        <translation>&amp;Skin...</translation>
    </message>
    <message>
        <source>オプション(&amp;O)...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
</context>
<context>
    <name>UpdateCycleView</name>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
</context>
</TS>
