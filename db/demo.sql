-- «Табель»: a small metal-furniture factory for the demo, loaded after
-- schema.sql as the role sys (db/cluster.sh load DIR DB --demo).
--
-- Forty workers in three shifts, six nomenclature groups with forty products,
-- their operations and prices, and the output of the previous calendar month
-- and of the current month up to today, with the matching hours sheet and
-- some maintenance work. Dates are relative to the day of loading; the
-- "random" choices are hashes of the date, the worker and the like, so a
-- reload on the same day gives the same rows.

SET client_min_messages = warning;
BEGIN;

-- A number in [0, 1) from a key.
CREATE FUNCTION pg_temp.h(k text) RETURNS double precision
LANGUAGE sql IMMUTABLE AS $$ SELECT (hashtext(k)::bigint & 2147483647) / 2147483648.0 $$;

------------------------------------------------------------------------------
-- Departments, staff positions, roles
------------------------------------------------------------------------------
INSERT INTO cmn_department.department (id_branch, id_parent, s_code, s_caption, s_description) VALUES
    (1, NULL, '01', 'Заготовительный участок', 'Резка, гибка и пробивка листа'),
    (1, NULL, '02', 'Сварочный участок', 'Сварка и зачистка швов'),
    (1, NULL, '03', 'Участок покраски', 'Порошковая и жидкая покраска'),
    (1, NULL, '04', 'Сборочный участок', 'Сборка и упаковка изделий'),
    (1, NULL, '05', 'Ремонтная служба', 'Обслуживание оборудования'),
    (1, NULL, '06', 'Склад готовой продукции', ''),
    (1, NULL, '07', 'Бухгалтерия', 'Расчёт заработной платы');

INSERT INTO hrms_staffpos.staffpos (id_department, s_code, s_caption, d_begin, d_end, s_description)
SELECT d.id, p.code, p.caption, DATE '2015-01-01', NULL, ''
  FROM (VALUES ('01', '101', 'Резчик'),
               ('01', '102', 'Гибщик'),
               ('02', '201', 'Сварщик'),
               ('03', '301', 'Маляр'),
               ('04', '401', 'Сборщик'),
               ('04', '402', 'Упаковщик'),
               ('05', '501', 'Слесарь-ремонтник'),
               ('06', '601', 'Кладовщик'),
               ('07', '701', 'Бухгалтер-расчётчик')) AS p(dep, code, caption)
  JOIN cmn_department.department d ON d.s_code = p.dep;

INSERT INTO adm_role.roles (s_name, s_caption, d_begin, d_end, b_active) VALUES
    ('admin',  'Полный доступ',     DATE '2015-01-01', NULL, 'true'),
    ('buh',    'Бухгалтерия',       DATE '2015-01-01', NULL, 'true'),
    ('master', 'Мастер участка',    DATE '2015-01-01', NULL, 'true'),
    ('sklad',  'Кладовщик',         DATE '2015-01-01', NULL, 'true'),
    ('guest',  'Просмотр',          DATE '2015-01-01', DATE '2020-12-31', 'false');

------------------------------------------------------------------------------
-- Nomenclature groups and products
------------------------------------------------------------------------------
INSERT INTO cmn_classifier.item (s_code, s_caption, s_description, b_excluded) VALUES
    ('10', 'Стеллажи', 'Стеллажи металлические полочные', 0),
    ('20', 'Шкафы металлические', 'Шкафы архивные и бухгалтерские', 0),
    ('30', 'Верстаки', 'Верстаки слесарные', 0),
    ('40', 'Тележки', 'Тележки складские', 0),
    ('50', 'Сейфы', 'Сейфы и шкафы оружейные', 0),
    ('60', 'Шкафы для одежды', 'Шкафы раздевальные', 0),
    ('70', 'Стеллажи архивные (снято)', 'Снято с производства', 1);

CREATE TEMP TABLE demo_product (marka text, grp text, massa numeric) ON COMMIT DROP;
INSERT INTO demo_product VALUES
    ('СТ-1200', 'Стеллажи', 1), ('СТ-1500', 'Стеллажи', 1), ('СТ-2000', 'Стеллажи', 1.5),
    ('СТ-2500', 'Стеллажи', 2), ('СТА-1000', 'Стеллажи', 1), ('СТА-2000', 'Стеллажи', 1.5),
    ('СТ-Г-1200', 'Стеллажи', 2),
    ('ШМ-20', 'Шкафы металлические', 1), ('ШМ-30', 'Шкафы металлические', 1),
    ('ШМ-40', 'Шкафы металлические', 1), ('ШМ-60', 'Шкафы металлические', 1.5),
    ('ШМ-90', 'Шкафы металлические', 2), ('ШМ-120', 'Шкафы металлические', 2),
    ('ШМА-1', 'Шкафы металлические', 1), ('ШМА-2', 'Шкафы металлические', 1.5),
    ('ВТ-12', 'Верстаки', 2), ('ВТ-15', 'Верстаки', 2), ('ВТ-20', 'Верстаки', 3),
    ('ВС-1', 'Верстаки', 2), ('ВС-2', 'Верстаки', 2.5), ('ВТ-12Т', 'Верстаки', 2.5),
    ('ТГ-300', 'Тележки', 1), ('ТГ-500', 'Тележки', 1.5), ('ТП-1', 'Тележки', 0.5),
    ('ТП-2', 'Тележки', 0.5), ('ТЛ-150', 'Тележки', 1), ('ТШ-3', 'Тележки', 1.5),
    ('СФ-20', 'Сейфы', 0.5), ('СФ-30', 'Сейфы', 0.5), ('СФ-45', 'Сейфы', 1),
    ('СФ-65', 'Сейфы', 1), ('СО-1', 'Сейфы', 1), ('СО-2', 'Сейфы', 1.5),
    ('СБ-100', 'Сейфы', 2),
    ('ШРМ-22', 'Шкафы для одежды', 1), ('ШРМ-24', 'Шкафы для одежды', 1),
    ('ШРМ-26', 'Шкафы для одежды', 1.5), ('ШРМ-30', 'Шкафы для одежды', 1.5),
    ('ШРМ-АК', 'Шкафы для одежды', 2), ('ШРМ-С', 'Шкафы для одежды', 1);

INSERT INTO cmn_gds_and_srv.gds_and_srv (s_caption, s_description, id_msm_bs, massa, id_class_item)
SELECT p.marka, '', 6, p.massa, i.id
  FROM demo_product p
  JOIN cmn_classifier.item i ON i.s_caption = p.grp
 ORDER BY i.id, p.marka;

------------------------------------------------------------------------------
-- Kinds of operation, operations and their price records
------------------------------------------------------------------------------
-- base: price per piece of a product of factor 1; rate: pieces per hour.
CREATE TEMP TABLE demo_kind (vid text, base numeric, rate numeric, paint boolean) ON COMMIT DROP;
INSERT INTO demo_kind VALUES
    ('Резка', 42.00, 12, false),
    ('Гибка', 37.50, 10, false),
    ('Пробивка', 21.00, 15, false),
    ('Сварка', 184.00, 2, false),
    ('Зачистка швов', 63.00, 5, false),
    ('Покраска порошковая', 125.00, 4, true),
    ('Покраска', 98.00, 4, true),
    ('Сборка', 150.00, 2, false),
    ('Упаковка', 33.3333, 8, false);

INSERT INTO accounts_dep.vid_oper (vid) SELECT vid FROM demo_kind ORDER BY vid;

-- Which kinds a product gets, at which stage (0 finished product, 1 blanks).
CREATE TEMP TABLE demo_oper ON COMMIT DROP AS
SELECT g.id AS i_id, g.s_caption AS marka, g.massa, v.id AS vid, k.vid AS kind,
       k.base, k.rate, k.paint, st.naimen
  FROM cmn_gds_and_srv.gds_and_srv g
  JOIN cmn_classifier.item i ON i.id = g.id_class_item
  CROSS JOIN demo_kind k
  JOIN accounts_dep.vid_oper v ON v.vid = k.vid
  CROSS JOIN (VALUES (0::smallint), (1::smallint)) AS st(naimen)
 WHERE CASE k.vid
         WHEN 'Резка'    THEN st.naimen = 1
         WHEN 'Гибка'    THEN st.naimen = 1
         WHEN 'Пробивка' THEN st.naimen = 1 AND pg_temp.h('punch' || g.s_caption) < 0.65
         WHEN 'Сварка'   THEN i.s_caption <> 'Стеллажи'
                              AND (st.naimen = 1 OR i.s_caption IN ('Сейфы', 'Верстаки', 'Тележки'))
         WHEN 'Зачистка швов' THEN st.naimen = 0 AND i.s_caption <> 'Стеллажи'
         WHEN 'Покраска порошковая' THEN st.naimen = 0 OR i.s_caption = 'Стеллажи'
         WHEN 'Покраска' THEN st.naimen = 0 AND i.s_caption IN ('Тележки', 'Верстаки')
         ELSE st.naimen = 0                                   -- Сборка, Упаковка
       END;

INSERT INTO accounts_dep.oper (i_id, vid, naimen, cena_new)
SELECT i_id, vid, naimen, 0 FROM demo_oper ORDER BY i_id, vid, naimen;

-- 1 to 3 price records; the smallest is the operation's price.
INSERT INTO accounts_dep.norm (o_id, price, norma, prize)
SELECT o.id,
       CASE WHEN d.kind = 'Упаковка'
            THEN round(d.base * (0.7 + 0.3 * d.massa) * (1 + 0.1 * r.n), 4)
            ELSE round(d.base * (0.7 + 0.3 * d.massa) * (1 + 0.1 * r.n), 2)
       END::double precision,
       (100 + 50 * r.n)::integer,
       (5 * r.n)::integer
  FROM accounts_dep.oper o
  JOIN demo_oper d ON d.i_id = o.i_id AND d.vid = o.vid AND d.naimen = o.naimen
  CROSS JOIN generate_series(0, 2) AS r(n)
 WHERE r.n < 1 + floor(pg_temp.h('norm' || o.id) * 3)
 ORDER BY o.id, r.n;

-- The hourly kinds: operations 7777/7778 with their price per hour.
INSERT INTO accounts_dep.oper (i_id, vid, naimen, cena_new) VALUES
    (7777, 7777, 0, 0),
    (7778, 7778, 0, 0);
INSERT INTO accounts_dep.norm (o_id, price, norma, prize)
SELECT o.id, CASE o.vid WHEN 7777 THEN 350.00 ELSE 412.50 END, 1, 0
  FROM accounts_dep.oper o WHERE o.vid IN (7777, 7778);

------------------------------------------------------------------------------
-- Workers (each also becomes a person with the worker number as id and code)
------------------------------------------------------------------------------
CREATE TEMP TABLE demo_worker (n integer, fio text, pos text, shift integer) ON COMMIT DROP;
INSERT INTO demo_worker VALUES
    ( 1, 'Абрамов Сергей Николаевич',     'Резчик', 1),
    ( 2, 'Белов Андрей Викторович',       'Резчик', 1),
    ( 3, 'Васильев Дмитрий Олегович',     'Гибщик', 1),
    ( 4, 'Гаврилов Алексей Петрович',     'Гибщик', 1),
    ( 5, 'Григорьев Иван Сергеевич',      'Сварщик', 1),
    ( 6, 'Данилов Павел Андреевич',       'Сварщик', 1),
    ( 7, 'Егоров Михаил Юрьевич',         'Сварщик', 1),
    ( 8, 'Жуков Николай Васильевич',      'Сварщик', 1),
    ( 9, 'Зайцева Ольга Ивановна',        'Маляр', 1),
    (10, 'Ильина Татьяна Викторовна',     'Маляр', 1),
    (11, 'Казаков Роман Александрович',   'Маляр', 1),
    (12, 'Ковалёв Виктор Степанович',     'Сборщик', 1),
    (13, 'Комаров Евгений Игоревич',      'Сборщик', 1),
    (14, 'Кузнецов Антон Владимирович',   'Сборщик', 1),
    (15, 'Лебедев Константин Павлович',   'Сборщик', 1),
    (16, 'Макарова Светлана Николаевна',  'Упаковщик', 1),
    (17, 'Медведев Артём Дмитриевич',     'Резчик', 2),
    (18, 'Морозов Владимир Геннадьевич',  'Гибщик', 2),
    (19, 'Никитин Юрий Михайлович',       'Гибщик', 2),
    (20, 'Новиков Олег Анатольевич',      'Сварщик', 2),
    (21, 'Орлов Денис Сергеевич',         'Сварщик', 2),
    (22, 'Павлов Максим Евгеньевич',      'Сварщик', 2),
    (23, 'Петров Игорь Валентинович',     'Сварщик', 2),
    (24, 'Попова Наталья Александровна',  'Маляр', 2),
    (25, 'Романова Елена Викторовна',     'Маляр', 2),
    (26, 'Семёнов Георгий Ильич',         'Маляр', 2),
    (27, 'Смирнов Алексей Константинович','Сборщик', 2),
    (28, 'Соколов Вадим Борисович',       'Сборщик', 2),
    (29, 'Степанов Кирилл Романович',     'Сборщик', 2),
    (30, 'Тарасова Марина Юрьевна',       'Упаковщик', 2),
    (31, 'Тимофеев Станислав Львович',    'Резчик', 3),
    (32, 'Федоров Василий Николаевич',    'Сварщик', 3),
    (33, 'Филиппов Руслан Маратович',     'Сварщик', 3),
    (34, 'Фролов Григорий Алексеевич',    'Сварщик', 3),
    (35, 'Харитонова Ирина Петровна',     'Маляр', 3),
    (36, 'Цветкова Людмила Сергеевна',    'Маляр', 3),
    (37, 'Чернов Борис Игоревич',         'Сборщик', 3),
    (38, 'Широков Валерий Андреевич',     'Сборщик', 3),
    (39, 'Щербаков Аркадий Семёнович',    'Слесарь-ремонтник', 0),
    (40, 'Яковлев Тимур Рашидович',       'Слесарь-ремонтник', 0);

INSERT INTO accounts_dep.person (fio, s_staffpos_hl)
SELECT fio, pos FROM demo_worker ORDER BY n;

-- The kinds of operation each trade does.
CREATE TEMP TABLE demo_trade (pos text, kind text) ON COMMIT DROP;
INSERT INTO demo_trade VALUES
    ('Резчик', 'Резка'), ('Резчик', 'Пробивка'),
    ('Гибщик', 'Гибка'), ('Гибщик', 'Пробивка'),
    ('Сварщик', 'Сварка'), ('Сварщик', 'Зачистка швов'),
    ('Маляр', 'Покраска порошковая'), ('Маляр', 'Покраска'),
    ('Сборщик', 'Сборка'), ('Сборщик', 'Упаковка'),
    ('Упаковщик', 'Упаковка');

-- Operations a worker may be booked on, numbered 0.. per worker.
CREATE TEMP TABLE demo_choice ON COMMIT DROP AS
SELECT p.id AS w_id, o.id AS o_id, d.i_id, d.massa, d.rate, d.paint, d.kind,
       row_number() OVER (PARTITION BY p.id ORDER BY o.id) - 1 AS k,
       count(*) OVER (PARTITION BY p.id) AS cnt
  FROM demo_worker w
  JOIN accounts_dep.person p ON p.fio = w.fio
  JOIN demo_trade t ON t.pos = w.pos
  JOIN demo_oper d ON d.kind = t.kind
  JOIN accounts_dep.oper o ON o.i_id = d.i_id AND o.vid = d.vid AND o.naimen = d.naimen;

------------------------------------------------------------------------------
-- Shift positions: the previous month and this month up to today
------------------------------------------------------------------------------
-- Who works which shift on which day, and with how many positions. Saturdays
-- only part of shift 1 (double prices), Sundays nobody; today is always a
-- working day so that the day sheet has something to show. Some of shift 1
-- stay for overtime (shift 4).
CREATE TEMP TABLE demo_day ON COMMIT DROP AS
SELECT d::date AS data,
       extract(isodow FROM d) >= 6 AS weekend
  FROM generate_series(date_trunc('month', current_date) - interval '1 month',
                       current_date, interval '1 day') AS d;

CREATE TEMP TABLE demo_shift ON COMMIT DROP AS
SELECT dd.data, dd.weekend, p.id AS w_id, s.smena,
       CASE WHEN s.smena = 4 THEN 1
            ELSE 1 + floor(pg_temp.h('n' || p.id || dd.data) * 3)::integer END AS npos,
       CASE WHEN s.smena = 4 THEN 2 + floor(pg_temp.h('ot' || p.id || dd.data) * 3)::integer
            ELSE 8 END AS hours
  FROM demo_day dd
  CROSS JOIN demo_worker w
  JOIN accounts_dep.person p ON p.fio = w.fio
  CROSS JOIN LATERAL (VALUES (w.shift), (4)) AS s(smena)
 WHERE w.shift > 0
   AND (dd.data = current_date
        OR extract(isodow FROM dd.data) <= 5
        OR (extract(isodow FROM dd.data) = 6 AND w.shift = 1 AND pg_temp.h('sat' || p.id || dd.data) < 0.5))
   AND pg_temp.h('absent' || p.id || dd.data) >= 0.06          -- sick leave, days off
   AND (s.smena <> 4 OR (w.shift = 1 AND pg_temp.h('over' || p.id || dd.data) < 0.12));

-- Hours of the k-th of n positions of a shift of h hours.
CREATE TEMP TABLE demo_pos ON COMMIT DROP AS
SELECT sh.data, sh.weekend, sh.w_id, sh.smena, k.j,
       (sh.hours / sh.npos + CASE WHEN k.j < sh.hours % sh.npos THEN 1 ELSE 0 END) AS hours,
       c.o_id, c.i_id, c.massa, c.rate, c.paint
  FROM demo_shift sh
  CROSS JOIN LATERAL generate_series(0, sh.npos - 1) AS k(j)
  JOIN demo_choice c
    ON c.w_id = sh.w_id
   AND c.k = (floor(pg_temp.h('op' || sh.w_id || sh.data || sh.smena) * c.cnt)::integer + k.j * 7) % c.cnt;

INSERT INTO accounts_dep.smena (data, smena, w_id, i_id, o_id, cena, kol_vo, brak, color, "time",
                                vvod, ok, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use)
SELECT p.data, p.smena, p.w_id, p.i_id, p.o_id,
       round((b.price * CASE WHEN p.weekend THEN 2 ELSE 1 END
                       * CASE p.smena WHEN 3 THEN 1.2 WHEN 4 THEN 1.5 ELSE 1 END)::numeric, 4)::double precision,
       greatest(1, round(p.hours * p.rate / (0.7 + 0.3 * p.massa)
                         * (0.75 + 0.5 * pg_temp.h('q' || p.w_id || p.data || p.o_id)))),
       CASE WHEN pg_temp.h('b' || p.w_id || p.data || p.o_id) < 0.1
            THEN 1 + floor(pg_temp.h('bb' || p.w_id || p.data) * 2)::integer ELSE 0 END,
       CASE WHEN NOT p.paint THEN 0
            ELSE (ARRAY[1, 1, 7035, 9003, 5005, 3020, 6005, 1015, 9005, 7035])
                 [1 + floor(pg_temp.h('c' || p.w_id || p.data || p.o_id) * 10)::integer] END,
       p.hours,
       least(p.data + CASE WHEN pg_temp.h('v' || p.w_id || p.data) < 0.2 THEN 1 ELSE 0 END,
             current_date)::timestamp,
       CASE WHEN pg_temp.h('ta' || p.w_id || p.data || p.o_id) < 0.01 THEN 'ta'
            WHEN p.data >= current_date - 2 THEN
                 CASE WHEN pg_temp.h('ok' || p.w_id || p.data) < 0.25 THEN 'ok' ELSE 'no' END
            ELSE CASE WHEN pg_temp.h('ok' || p.w_id || p.data) < 0.85 THEN 'ok'
                      WHEN pg_temp.h('ok' || p.w_id || p.data) < 0.92 THEN 'да'
                      ELSE 'no' END
       END,
       0, 0, 0, 0, 0, 0
  FROM demo_pos p
  JOIN LATERAL (SELECT min(n.price) AS price FROM accounts_dep.norm n WHERE n.o_id = p.o_id) b ON true
 ORDER BY p.data, p.smena, p.w_id, p.j;

------------------------------------------------------------------------------
-- Maintenance work and average piecework
------------------------------------------------------------------------------
-- The two fitters do maintenance work for one or two groups every working
-- day; now and then a production worker spends a few hours on it or is paid
-- at his average piecework rate.
CREATE TEMP TABLE demo_grp ON COMMIT DROP AS
SELECT id, row_number() OVER (ORDER BY id) - 1 AS k, count(*) OVER () AS cnt
  FROM cmn_classifier.item WHERE id_level = 2 AND b_excluded = 0;

CREATE TEMP TABLE demo_fatigue ON COMMIT DROP AS
SELECT dd.data, dd.weekend, p.id AS w_id, 7777 AS id_o,
       CASE WHEN x.j = 0 THEN 5 ELSE 3 END AS cnt,
       0 AS i_night,
       (floor(pg_temp.h('g' || p.id || dd.data) * 6)::integer + x.j * 3) % 6 AS gk
  FROM demo_day dd
  CROSS JOIN demo_worker w
  JOIN accounts_dep.person p ON p.fio = w.fio
  CROSS JOIN (VALUES (0), (1)) AS x(j)
 WHERE w.shift = 0
   AND (extract(isodow FROM dd.data) <= 5 OR dd.data = current_date)
   AND pg_temp.h('fa' || p.id || dd.data) >= 0.05
UNION ALL
SELECT sh.data, sh.weekend, sh.w_id,
       CASE WHEN pg_temp.h('kind' || sh.w_id || sh.data) < 0.6 THEN 7777 ELSE 7778 END,
       2 + floor(pg_temp.h('fc' || sh.w_id || sh.data) * 3)::integer,
       CASE WHEN sh.smena = 3 THEN 1 ELSE 0 END,
       floor(pg_temp.h('fg' || sh.w_id || sh.data) * 6)::integer
  FROM demo_shift sh
 WHERE sh.smena IN (1, 2, 3)
   AND pg_temp.h('fat' || sh.w_id || sh.data) < 0.07;

INSERT INTO accounts_dep.fatigue (id_nom, id_o, id_p, d_date, i_mnth, i_year, i_smena, cnt, price, i_holiday, i_night)
SELECT g.id, f.id_o, f.w_id, f.data,
       extract(month FROM f.data)::integer, extract(year FROM f.data)::integer, 1, f.cnt,
       round((b.price * CASE WHEN f.weekend THEN 2 ELSE 1 END
                      * CASE WHEN f.i_night = 1 THEN 1.2 ELSE 1 END)::numeric, 4),
       CASE WHEN f.weekend THEN 1 ELSE 0 END, f.i_night
  FROM demo_fatigue f
  JOIN demo_grp g ON g.k = f.gk % g.cnt
  JOIN LATERAL (SELECT min(n.price) AS price
                  FROM accounts_dep.norm n JOIN accounts_dep.oper o ON o.id = n.o_id
                 WHERE o.vid = f.id_o) b ON true
 ORDER BY f.data, f.w_id, f.id_o;

------------------------------------------------------------------------------
-- Hours sheet, consistent with the positions and the maintenance records
------------------------------------------------------------------------------
DO $$
DECLARE
    days text := (SELECT string_agg(format('sum("time") FILTER (WHERE extract(day FROM data) = %s)', d), ', ' ORDER BY d)
                    FROM generate_series(1, 31) d);
    fdays text := (SELECT string_agg(format('sum(cnt) FILTER (WHERE extract(day FROM d_date) = %s)', d), ', ' ORDER BY d)
                     FROM generate_series(1, 31) d);
    cols text := (SELECT string_agg('d' || d, ', ' ORDER BY d) FROM generate_series(1, 31) d);
BEGIN
    EXECUTE format(
        'INSERT INTO accounts_dep.h_tabel (w_id, month, year, smena, i_type, i_night, %s)
         SELECT w_id, extract(month FROM data), extract(year FROM data), smena, 0, 0, %s
           FROM accounts_dep.smena
          GROUP BY w_id, extract(year FROM data), extract(month FROM data), smena
          ORDER BY 3, 2, 1, 4', cols, days);
    EXECUTE format(
        'INSERT INTO accounts_dep.h_tabel (w_id, month, year, smena, i_type, i_night, id_nom, %s)
         SELECT id_p, i_mnth, i_year, 0, id_o, i_night, id_nom, %s
           FROM accounts_dep.fatigue
          GROUP BY id_p, i_year, i_mnth, id_o, i_night, id_nom
          ORDER BY 3, 2, 1, 5, 6, 7', cols, fdays);
END
$$;

-- The build stamp row; the first program build to run raises it.
INSERT INTO accounts_dep.ver (d, t, delim) VALUES (20000101, 0, '.');

COMMIT;

ANALYZE cmn_contractor.person, cmn_classifier.item, cmn_gds_and_srv.gds_and_srv,
        accounts_dep.person, accounts_dep.vid_oper, accounts_dep.oper, accounts_dep.norm,
        accounts_dep.smena, accounts_dep.h_tabel, accounts_dep.fatigue;
