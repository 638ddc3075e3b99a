<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>水色</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>青</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>赤紫</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>アイボリー</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>ゲーム盤</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>空</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>選択中</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>マーク済み</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>アクティブ</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>%1行目、%2列目</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>打てる手：%1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>手詰まり！</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>スコア：%1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>スコア：%1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>色の数</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8色</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7色</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6色</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5色</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>毎秒10回</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>毎秒5回</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>毎秒4回</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>毎秒2回</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>毎秒1回</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>アクティブボールを使う</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>毎手アクティブボールを出す</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>自動プレイ</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>ボールに記号を表示</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>ゲームは終了しました。新しいゲームを始めるには、ページを再読み込みしてください。</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel はすでに別のタブで開いています。</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>ゲームをこのタブに移す</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>ゲームを読み込めませんでした。ネットワーク接続を確認してください。</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>再試行</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Зорбель</source>
        <translation>Zorbel</translation>
    </message>
</context>
</TS>
