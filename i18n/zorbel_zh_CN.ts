<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>浅蓝色</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>紫红色</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>象牙色</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>游戏区</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>空</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>已选中</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>已标记</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>活动球</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>第%1行，第%2列</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>可走步数：%1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>无步可走！</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>得分：%1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>得分：%1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>颜色数量</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 种颜色</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 种颜色</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 种颜色</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 种颜色</translation>
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
        <translation>启用活动球</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>每步都出活动球</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>自动游戏</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>球上显示符号</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>游戏已结束。要开始新游戏，请刷新页面。</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel 已在另一个标签页中打开。</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>将游戏移到这里</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>无法加载游戏。请检查网络连接。</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>重试</translation>
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
