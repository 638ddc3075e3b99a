<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>紅色</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>黃色</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>綠色</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>淺藍色</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>藍色</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>紫紅色</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>象牙白</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>橘色</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>遊戲盤面</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>空</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>已選取</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>已標記</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>特效球</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>第%1列，第%2欄</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>可走步數：%1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>無步可走！</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>分數：%1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>分數：%1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>遊戲</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>新遊戲</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>顏色數量</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 種顏色</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 種顏色</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 種顏色</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 種顏色</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>每秒 10 次</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>每秒 5 次</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>每秒 4 次</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>每秒 2 次</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>每秒 1 次</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>使用特效球</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>每步都出現特效球</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>自動遊玩</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>球上顯示符號</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>遊戲已結束。若要開始新遊戲，請重新整理頁面。</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel 已在另一個分頁中開啟。</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>將遊戲移到這裡</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>無法載入遊戲。請檢查網路連線。</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>再試一次</translation>
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
