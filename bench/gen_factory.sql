-- «Табель» benchmarks: a factory-sized database, loaded as the role sys into a
-- database that holds db/schema.sql and nothing else (bench/gen_factory.sh).
--
--   100,000 persons, 1,000 of them workers (the rest with ids and codes from
--   1,000,000 on); 12 nomenclature groups, 204 products, about 2,000
--   operations with 1-3 price records each; two years of shift positions
--   ending today, about 2,000 a day over the four shifts (about 1.5 million);
--   the hours sheet that matches them; maintenance-work records with their
--   hours-sheet rows.
--
-- Everything is set-based; the "random" choices are hashes of the day, the
-- worker and the like, so a reload on the same day gives the same rows. The
-- indexes of the big tables are dropped while loading and built again at the
-- end from their own definitions.

SET client_min_messages = warning;
-- The private clusters commit asynchronously; this load must be on disk
-- before the final VACUUM, which can only mark pages all-visible (for the
-- index-only sums) once the commit is flushed.
SET synchronous_commit = on;
SET work_mem = '64MB';
SET maintenance_work_mem = '256MB';
\timing off

BEGIN;

-- A number in [0, 1) from an integer key and a seed.
CREATE FUNCTION pg_temp.r(k bigint, seed bigint) RETURNS double precision
LANGUAGE sql IMMUTABLE PARALLEL SAFE AS
$$ SELECT (hashint8extended(k, seed) & 2147483647) / 2147483648.0 $$;

-- Set the indexes of the big tables aside while loading.
CREATE TEMP TABLE gen_saved_index ON COMMIT DROP AS
SELECT i.indexname, i.indexdef
  FROM pg_indexes i
 WHERE i.schemaname = 'accounts_dep'
   AND i.tablename IN ('smena', 'h_tabel', 'fatigue')
   AND NOT EXISTS (SELECT 1 FROM pg_constraint c WHERE c.conname = i.indexname);
DO $$
DECLARE x record;
BEGIN
    FOR x IN SELECT indexname FROM gen_saved_index LOOP
        EXECUTE format('DROP INDEX accounts_dep.%I', x.indexname);
    END LOOP;
END
$$;

------------------------------------------------------------------------------
-- Reference books
------------------------------------------------------------------------------
INSERT INTO cmn_department.department (id_branch, s_code, s_caption, s_description)
SELECT 1, lpad(n::text, 2, '0'), c, ''
  FROM unnest(ARRAY['Заготовительный участок', 'Сварочный участок', 'Участок покраски',
                    'Сборочный участок', 'Ремонтная служба', 'Склад готовой продукции',
                    'Отдел технического контроля', 'Бухгалтерия']) WITH ORDINALITY AS t(c, n);

INSERT INTO hrms_staffpos.staffpos (id_department, s_code, s_caption, d_begin, s_description)
SELECT (SELECT min(id) FROM cmn_department.department) + (n - 1) % 8, (100 + n)::text, c, DATE '2010-01-01', ''
  FROM unnest(ARRAY['Резчик', 'Гибщик', 'Сварщик', 'Маляр', 'Сборщик', 'Упаковщик',
                    'Сверловщик', 'Контролёр ОТК', 'Слесарь-ремонтник', 'Кладовщик']) WITH ORDINALITY AS t(c, n);

INSERT INTO adm_role.roles (s_name, s_caption, d_begin, b_active) VALUES
    ('admin', 'Полный доступ', DATE '2010-01-01', 'true'),
    ('buh', 'Бухгалтерия', DATE '2010-01-01', 'true'),
    ('master', 'Мастер участка', DATE '2010-01-01', 'true'),
    ('sklad', 'Кладовщик', DATE '2010-01-01', 'true');

INSERT INTO cmn_classifier.item (s_code, s_caption, s_description, b_excluded)
SELECT (10 * n)::text, c, '', 0
  FROM unnest(ARRAY['Стеллажи', 'Шкафы металлические', 'Верстаки', 'Тележки', 'Сейфы',
                    'Шкафы для одежды', 'Шкафы инструментальные', 'Стеллажи архивные',
                    'Столы производственные', 'Полки', 'Контейнеры', 'Подставки']) WITH ORDINALITY AS t(c, n)
 ORDER BY n;

CREATE TEMP TABLE gen_group ON COMMIT DROP AS
SELECT i.id, i.s_caption, row_number() OVER (ORDER BY i.id) - 1 AS k,
       (ARRAY['СТ', 'ШМ', 'ВТ', 'ТГ', 'СФ', 'ШРМ', 'ШИ', 'СА', 'СП', 'ПЛ', 'КТ', 'ПД'])[row_number() OVER (ORDER BY i.id)] AS prefix
  FROM cmn_classifier.item i WHERE i.id_level = 2;

-- 17 products per group.
INSERT INTO cmn_gds_and_srv.gds_and_srv (s_caption, s_description, id_msm_bs, massa, id_class_item)
SELECT g.prefix || '-' || (100 + 10 * n), '', 6,
       (0.5 + 0.5 * floor(pg_temp.r(g.k * 100 + n, 1) * 5))::numeric, g.id
  FROM gen_group g CROSS JOIN generate_series(1, 17) n
 ORDER BY g.k, n;

CREATE TEMP TABLE gen_kind (vid text, base numeric, rate numeric, paint boolean, stage smallint) ON COMMIT DROP;
INSERT INTO gen_kind VALUES
    ('Резка', 42.00, 12, false, 1),
    ('Гибка', 37.50, 10, false, 1),
    ('Пробивка', 21.00, 15, false, 1),
    ('Сверловка', 18.20, 20, false, 1),
    ('Сварка', 184.00, 2, false, 0),
    ('Зачистка швов', 63.00, 5, false, 0),
    ('Покраска порошковая', 125.00, 4, true, 0),
    ('Покраска', 98.00, 4, true, 0),
    ('Грунтовка', 44.40, 6, false, 1),
    ('Сборка', 150.00, 2, false, 0),
    ('Упаковка', 33.3333, 8, false, 0),
    ('Контроль ОТК', 12.75, 20, false, 0);
INSERT INTO accounts_dep.vid_oper (vid) SELECT vid FROM gen_kind ORDER BY vid;

-- About ten operations per product: every kind at its own stage, some also at
-- the other one, a few left out.
CREATE TEMP TABLE gen_oper ON COMMIT DROP AS
SELECT g.id AS i_id, g.massa, v.id AS vid, k.vid AS kind, k.base, k.rate, k.paint, st.naimen
  FROM cmn_gds_and_srv.gds_and_srv g
  CROSS JOIN gen_kind k
  JOIN accounts_dep.vid_oper v ON v.vid = k.vid
  CROSS JOIN (VALUES (0::smallint), (1::smallint)) AS st(naimen)
 WHERE (st.naimen = k.stage AND pg_temp.r(g.id::bigint * 100 + v.id, 2) < 0.82)
    OR (st.naimen <> k.stage AND k.vid IN ('Сварка', 'Покраска порошковая')
        AND pg_temp.r(g.id::bigint * 100 + v.id, 3) < 0.3);

INSERT INTO accounts_dep.oper (i_id, vid, naimen, cena_new)
SELECT i_id, vid, naimen, 0 FROM gen_oper ORDER BY i_id, vid, naimen;

INSERT INTO accounts_dep.norm (o_id, price, norma, prize)
SELECT o.id,
       round(d.base * (0.7 + 0.3 * d.massa) * (1 + 0.1 * r.n), CASE WHEN d.kind = 'Упаковка' THEN 4 ELSE 2 END)::double precision,
       100 + 50 * r.n, 5 * r.n
  FROM accounts_dep.oper o
  JOIN gen_oper d ON d.i_id = o.i_id AND d.vid = o.vid AND d.naimen = o.naimen
  CROSS JOIN generate_series(0, 2) AS r(n)
 WHERE r.n < 1 + floor(pg_temp.r(o.id, 4) * 3)
 ORDER BY o.id, r.n;

INSERT INTO accounts_dep.oper (i_id, vid, naimen, cena_new) VALUES (7777, 7777, 0, 0), (7778, 7778, 0, 0);
INSERT INTO accounts_dep.norm (o_id, price, norma, prize)
SELECT id, CASE vid WHEN 7777 THEN 350.00 ELSE 412.50 END, 1, 0
  FROM accounts_dep.oper WHERE vid IN (7777, 7778);

------------------------------------------------------------------------------
-- Persons and workers
------------------------------------------------------------------------------
CREATE TEMP TABLE gen_names ON COMMIT DROP AS
SELECT ARRAY['Иванов', 'Смирнов', 'Кузнецов', 'Попов', 'Васильев', 'Петров', 'Соколов', 'Михайлов',
             'Новиков', 'Фёдоров', 'Морозов', 'Волков', 'Алексеев', 'Лебедев', 'Семёнов', 'Егоров',
             'Павлов', 'Козлов', 'Степанов', 'Николаев', 'Орлов', 'Андреев', 'Макаров', 'Никитин',
             'Захаров', 'Зайцев', 'Соловьёв', 'Борисов', 'Яковлев', 'Григорьев', 'Романов', 'Воробьёв',
             'Сергеев', 'Кузьмин', 'Фролов', 'Александров', 'Дмитриев', 'Королёв', 'Гусев', 'Киселёв'] AS sur,
       ARRAY['Александр', 'Сергей', 'Дмитрий', 'Андрей', 'Алексей', 'Максим', 'Евгений', 'Иван',
             'Михаил', 'Николай', 'Владимир', 'Павел', 'Роман', 'Олег', 'Виктор', 'Игорь',
             'Юрий', 'Константин', 'Денис', 'Артём'] AS mname,
       ARRAY['Александрович', 'Сергеевич', 'Дмитриевич', 'Андреевич', 'Алексеевич', 'Иванович',
             'Михайлович', 'Николаевич', 'Владимирович', 'Павлович', 'Викторович', 'Игоревич',
             'Юрьевич', 'Петрович', 'Олегович', 'Васильевич'] AS mpat,
       ARRAY['Елена', 'Ольга', 'Наталья', 'Татьяна', 'Ирина', 'Светлана', 'Марина', 'Анна',
             'Юлия', 'Людмила', 'Галина', 'Екатерина'] AS fname,
       ARRAY['Александровна', 'Сергеевна', 'Дмитриевна', 'Андреевна', 'Алексеевна', 'Ивановна',
             'Михайловна', 'Николаевна', 'Владимировна', 'Павловна', 'Викторовна', 'Петровна'] AS fpat;

-- Trades with their share of the workforce, shift and kinds of operation.
CREATE TEMP TABLE gen_trade (trade text, lo double precision, hi double precision, kinds text[]) ON COMMIT DROP;
INSERT INTO gen_trade VALUES
    ('Резчик',            0.00, 0.10, ARRAY['Резка', 'Пробивка']),
    ('Гибщик',            0.10, 0.20, ARRAY['Гибка', 'Пробивка']),
    ('Сверловщик',        0.20, 0.25, ARRAY['Сверловка']),
    ('Сварщик',           0.25, 0.45, ARRAY['Сварка', 'Зачистка швов']),
    ('Маляр',             0.45, 0.60, ARRAY['Покраска порошковая', 'Покраска', 'Грунтовка']),
    ('Сборщик',           0.60, 0.82, ARRAY['Сборка', 'Упаковка']),
    ('Упаковщик',         0.82, 0.90, ARRAY['Упаковка']),
    ('Контролёр ОТК',     0.90, 0.95, ARRAY['Контроль ОТК']),
    ('Слесарь-ремонтник', 0.95, 1.00, ARRAY[]::text[]);

CREATE TEMP TABLE gen_worker ON COMMIT DROP AS
SELECT n,
       CASE WHEN female
            THEN nm.sur[1 + floor(pg_temp.r(n, 11) * 40)::int] || 'а ' || nm.fname[1 + floor(pg_temp.r(n, 12) * 12)::int]
                 || ' ' || nm.fpat[1 + floor(pg_temp.r(n, 13) * 12)::int]
            ELSE nm.sur[1 + floor(pg_temp.r(n, 11) * 40)::int] || ' ' || nm.mname[1 + floor(pg_temp.r(n, 12) * 20)::int]
                 || ' ' || nm.mpat[1 + floor(pg_temp.r(n, 13) * 16)::int]
       END AS fio,
       t.trade,
       CASE WHEN t.trade = 'Слесарь-ремонтник' THEN 0
            WHEN pg_temp.r(n, 15) < 0.47 THEN 1
            WHEN pg_temp.r(n, 15) < 0.84 THEN 2
            ELSE 3 END AS shift
  FROM (SELECT n, pg_temp.r(n, 10) AS tr, pg_temp.r(n, 14) < 0.25 AS female
          FROM generate_series(1, 1000) n) w
  CROSS JOIN gen_names nm
  JOIN gen_trade t ON w.tr >= t.lo AND w.tr < t.hi;

-- Inserted in order, so the worker numbers are 1..1000 in an empty database;
-- the trigger gives each one its person row.
INSERT INTO accounts_dep.person (fio, s_staffpos_hl)
SELECT fio, trade FROM gen_worker ORDER BY n;
ALTER TABLE gen_worker ADD COLUMN w_id integer;
UPDATE gen_worker g SET w_id = p.id
  FROM (SELECT id, row_number() OVER (ORDER BY id) AS n FROM accounts_dep.person) p
 WHERE p.n = g.n;

-- 99,000 other persons, numbered from 1,000,000 like the table's own sequence.
INSERT INTO cmn_contractor.person (id, s_code, s_caption)
SELECT 1000000 + n, (1000000 + n)::text,
       nm.sur[1 + floor(pg_temp.r(n, 21) * 40)::int] || ' '
       || left(nm.mname[1 + floor(pg_temp.r(n, 22) * 20)::int], 1) || '.'
       || left(nm.mpat[1 + floor(pg_temp.r(n, 23) * 16)::int], 1) || '.'
  FROM generate_series(1, 100000 - (SELECT count(*) FROM accounts_dep.person)) n
 CROSS JOIN gen_names nm;
DO $$ BEGIN PERFORM setval(pg_get_serial_sequence('cmn_contractor.person', 'id'), max(id)) FROM cmn_contractor.person; END $$;

------------------------------------------------------------------------------
-- Shift positions: two years ending today
------------------------------------------------------------------------------
CREATE TEMP TABLE gen_day ON COMMIT DROP AS
SELECT d::date AS data, (d::date - DATE '2000-01-01') AS dn, extract(isodow FROM d) AS dow
  FROM generate_series(current_date - interval '2 years' + interval '1 day', current_date, interval '1 day') d;

-- Operations each trade may be booked on, numbered 0.. per trade.
CREATE TEMP TABLE gen_choice ON COMMIT DROP AS
SELECT t.trade, o.id AS o_id, o.i_id, d.massa, d.rate, d.paint,
       (SELECT min(n.price) FROM accounts_dep.norm n WHERE n.o_id = o.id) AS price,
       row_number() OVER (PARTITION BY t.trade ORDER BY o.id) - 1 AS k
  FROM gen_trade t
  JOIN gen_oper d ON d.kind = ANY (t.kinds)
  JOIN accounts_dep.oper o ON o.i_id = d.i_id AND o.vid = d.vid AND o.naimen = d.naimen;
CREATE INDEX ON gen_choice (trade, k);
ANALYZE gen_choice;

-- Who works which shift on which day with how many positions: weekdays, a
-- third of shift 1 on Saturdays, nobody on Sundays, today always; some of
-- shift 1 stay for overtime (shift 4).
CREATE TEMP TABLE gen_shift ON COMMIT DROP AS
SELECT dd.data, dd.dn, dd.dow >= 6 AS weekend, w.w_id, w.trade, tc.cnt, s.smena,
       CASE WHEN s.smena = 4 THEN 1 ELSE 2 + floor(pg_temp.r(dd.dn * 1000 + w.n, 31) * 3)::int END AS npos,
       CASE WHEN s.smena = 4 THEN 2 + floor(pg_temp.r(dd.dn * 1000 + w.n, 32) * 3)::int ELSE 8 END AS hours
  FROM gen_day dd
  CROSS JOIN gen_worker w
  JOIN (SELECT trade, count(*) AS cnt FROM gen_choice GROUP BY trade) tc ON tc.trade = w.trade
  CROSS JOIN LATERAL (VALUES (w.shift), (4)) AS s(smena)
 WHERE w.shift > 0
   AND (dd.dow <= 5 OR dd.data = current_date
        OR (dd.dow = 6 AND w.shift = 1 AND pg_temp.r(dd.dn * 1000 + w.n, 33) < 0.33))
   AND pg_temp.r(dd.dn * 1000 + w.n, 34) >= 0.06
   AND (s.smena <> 4 OR (w.shift = 1 AND pg_temp.r(dd.dn * 1000 + w.n, 35) < 0.15));

INSERT INTO accounts_dep.smena (data, smena, w_id, i_id, o_id, cena, kol_vo, brak, color, "time",
                                vvod, ok, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use)
SELECT sh.data, sh.smena, sh.w_id, c.i_id, c.o_id,
       round((c.price * CASE WHEN sh.weekend THEN 2 ELSE 1 END
                      * CASE sh.smena WHEN 3 THEN 1.2 WHEN 4 THEN 1.5 ELSE 1 END)::numeric, 4)::double precision,
       greatest(1, round(hrs.h * c.rate / (0.7 + 0.3 * c.massa) * (0.75 + 0.5 * pg_temp.r(key.k, 41)))),
       CASE WHEN pg_temp.r(key.k, 42) < 0.1 THEN 1 + floor(pg_temp.r(key.k, 43) * 2)::int ELSE 0 END,
       CASE WHEN NOT c.paint THEN 0
            ELSE (ARRAY[1, 1, 7035, 9003, 5005, 3020, 6005, 1015, 9005, 7035])[1 + floor(pg_temp.r(key.k, 44) * 10)::int] END,
       hrs.h,
       least(sh.data + CASE WHEN pg_temp.r(key.k, 45) < 0.2 THEN 1 ELSE 0 END, current_date)::timestamp,
       CASE WHEN pg_temp.r(key.k, 46) < 0.005 THEN 'ta'
            WHEN sh.data >= current_date - 2 THEN CASE WHEN pg_temp.r(key.k, 47) < 0.25 THEN 'ok' ELSE 'no' END
            WHEN pg_temp.r(key.k, 47) < 0.9 THEN 'ok'
            WHEN pg_temp.r(key.k, 47) < 0.95 THEN 'да'
            ELSE 'no' END,
       0, 0, 0, 0, 0, 0
  FROM gen_shift sh
  CROSS JOIN LATERAL generate_series(0, sh.npos - 1) AS j(j)
  CROSS JOIN LATERAL (SELECT (sh.dn * 1000 + sh.w_id) * 8 + sh.smena * 2 + j.j * 16 AS k) key
  CROSS JOIN LATERAL (SELECT sh.hours / sh.npos + CASE WHEN j.j < sh.hours % sh.npos THEN 1 ELSE 0 END AS h) hrs
  JOIN gen_choice c
    ON c.trade = sh.trade
   AND c.k = (floor(pg_temp.r(sh.dn * 1000 + sh.w_id, 40 + sh.smena) * sh.cnt)::bigint + j.j * 7) % sh.cnt
 ORDER BY sh.data, sh.smena, sh.w_id, j.j;

------------------------------------------------------------------------------
-- Maintenance work and average piecework
------------------------------------------------------------------------------
CREATE TEMP TABLE gen_fatigue ON COMMIT DROP AS
SELECT dd.data, dd.dow >= 6 AS weekend, w.w_id, 7777 AS id_o,
       CASE WHEN x.j = 0 THEN 5 ELSE 3 END AS cnt, 0 AS i_night,
       (floor(pg_temp.r(dd.dn * 1000 + w.n, 51) * 12)::int + x.j * 5) % 12 AS gk
  FROM gen_day dd
  CROSS JOIN gen_worker w
  CROSS JOIN (VALUES (0), (1)) AS x(j)
 WHERE w.shift = 0
   AND (dd.dow <= 5 OR dd.data = current_date)
   AND pg_temp.r(dd.dn * 1000 + w.n, 52) >= 0.05
UNION ALL
SELECT sh.data, sh.weekend, sh.w_id,
       CASE WHEN pg_temp.r(sh.dn * 1000 + sh.w_id, 53) < 0.6 THEN 7777 ELSE 7778 END,
       2 + floor(pg_temp.r(sh.dn * 1000 + sh.w_id, 54) * 3)::int,
       CASE WHEN sh.smena = 3 THEN 1 ELSE 0 END,
       floor(pg_temp.r(sh.dn * 1000 + sh.w_id, 55) * 12)::int
  FROM gen_shift sh
 WHERE sh.smena IN (1, 2, 3)
   AND pg_temp.r(sh.dn * 1000 + sh.w_id, 56) < 0.05;

INSERT INTO accounts_dep.fatigue (id_nom, id_o, id_p, d_date, i_mnth, i_year, i_smena, cnt, price, i_holiday, i_night)
SELECT g.id, f.id_o, f.w_id, f.data, extract(month FROM f.data), extract(year FROM f.data), 1, f.cnt,
       round((b.price * CASE WHEN f.weekend THEN 2 ELSE 1 END * CASE WHEN f.i_night = 1 THEN 1.2 ELSE 1 END)::numeric, 4),
       CASE WHEN f.weekend THEN 1 ELSE 0 END, f.i_night
  FROM gen_fatigue f
  JOIN gen_group g ON g.k = f.gk
  JOIN (SELECT o.vid, min(n.price) AS price
          FROM accounts_dep.norm n JOIN accounts_dep.oper o ON o.id = n.o_id
         WHERE o.vid IN (7777, 7778) GROUP BY o.vid) b ON b.vid = f.id_o
 ORDER BY f.data, f.w_id, f.id_o;

------------------------------------------------------------------------------
-- Hours sheet, consistent with both
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

INSERT INTO accounts_dep.ver (d, t, delim) VALUES (20000101, 0, '.');

-- The indexes back.
DO $$
DECLARE x record;
BEGIN
    FOR x IN SELECT indexdef FROM gen_saved_index LOOP
        EXECUTE x.indexdef;
    END LOOP;
END
$$;

COMMIT;

VACUUM ANALYZE cmn_contractor.person, cmn_classifier.item, cmn_gds_and_srv.gds_and_srv,
        accounts_dep.person, accounts_dep.vid_oper, accounts_dep.oper, accounts_dep.norm,
        accounts_dep.smena, accounts_dep.h_tabel, accounts_dep.fatigue;
