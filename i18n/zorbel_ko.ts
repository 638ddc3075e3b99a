<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>빨간색</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>노란색</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>초록색</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>하늘색</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>파란색</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>자주색</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>상아색</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>주황색</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>게임판</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>빈칸</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>선택됨</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>표시됨</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>활성</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>%1행, %2열</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>가능한 수: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>가능한 수 없음!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>점수: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>점수: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>게임</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>새 게임</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>힌트</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>색상 수</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8색</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7색</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6색</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5색</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>속도</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>초당 10회</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>초당 5회</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>초당 4회</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>초당 2회</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>초당 1회</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>활성 구슬 사용</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>매 턴 활성 구슬</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>자동 플레이</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>구슬에 기호 표시</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>게임이 끝났습니다. 새 게임을 시작하려면 페이지를 새로 고치세요.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel이 이미 다른 탭에서 열려 있습니다.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>게임을 여기로 옮기기</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>게임을 불러오지 못했습니다. 네트워크 연결을 확인하세요.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>다시 시도</translation>
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
