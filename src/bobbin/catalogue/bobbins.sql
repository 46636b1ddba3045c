-- The shipped bobbin catalogue (bobbins.sqlite, built from this file).
--
-- One table per bobbin type, each with the columns SUP, specification, partno,
-- A, B, C1, C2, D, F (texts; lengths in mm):
--   EIB1  工字   one winding slot
--   EIB2  王字   two slots side by side, a partition between them
--   EIB3  抽屉式 drawer type, two slots
--
-- Sizes: every standard EI lamination from EI28 to EI96, plus EI75, which the
-- rated-power tables use although it is not a standard lamination. Stacks: the
-- ones the rated-power tables use for that size, the square stack b = a, and
-- the usual 5 mm steps up to about 2a.
--
-- The designation is the core name, "EI-" L "*" b (EI-48*30), so the search
-- for a core name finds the bobbins of that core. The part number is the type's
-- pinyin initials (GZ 工字, WZ 王字, CT 抽屉), L and b: GZ-48-30.
--
-- The dimensions come from the lamination's tongue width a, window width c,
-- window height h and the stack b:
--   A   overall length along the window            h - 0.5   (0.5 mm play in the window)
--   B   tube outer side across the tongue          a + 3     (1 mm wall, 0.5 mm play each side)
--   F   tube outer side along the stack            b + 3     (the same wall and play)
--   C1  width of slot 1   工字: h - 3   王字, 抽屉式: (h - 4.5) / 2
--   C2  width of slot 2   工字: none (NULL)  王字, 抽屉式: (h - 4.5) / 2
--   D   slot depth, the winding build available    c - 2     (1 mm wall, 1 mm to the outer leg)
-- With A = h - 0.5 the flanges of a 工字 bobbin are 1.25 mm thick; a two-slot
-- bobbin has the same flanges and a 1.5 mm partition. B and F are the two
-- sides of the winding base; the slot widths and depth are those the bobbin
-- form proposes for the core, so a looked-up bobbin agrees with the proposal.
-- Lengths are rounded to 0.01 mm and written in their shortest form.
--
-- The lamination dimensions are those of the standard EI catalogue. EI28 has
-- no window height there; h = H - a = 25 - 8 = 17 as for its neighbours.
-- EI75 takes the usual proportions a = L/3, c = L/6, h = L/2.

BEGIN;

CREATE TABLE EIB1 (SUP TEXT, specification TEXT, partno TEXT,
                   A TEXT, B TEXT, C1 TEXT, C2 TEXT, D TEXT, F TEXT);
CREATE TABLE EIB2 (SUP TEXT, specification TEXT, partno TEXT,
                   A TEXT, B TEXT, C1 TEXT, C2 TEXT, D TEXT, F TEXT);
CREATE TABLE EIB3 (SUP TEXT, specification TEXT, partno TEXT,
                   A TEXT, B TEXT, C1 TEXT, C2 TEXT, D TEXT, F TEXT);

-- L as printed in the core name; a, c, h in mm.
CREATE TEMP TABLE lamination (L TEXT, a REAL, c REAL, h REAL);
INSERT INTO lamination VALUES
  ('28',    8,    6,    17),
  ('30',   10,    5,    15),
  ('35',    9.6,  7.7,  19.5),
  ('38',   12.8,  6.4,  19.2),
  ('41',   13,    8,    21),
  ('42',   14,    7,    21),
  ('48',   16,    8,    24),
  ('54',   18,    9,    27),
  ('57',   19,    9.5,  28.5),
  ('60',   20,   10,    30),
  ('64',   20,   12,    32),
  ('66',   22,   11,    33),
  ('74',   23,   14,    37),
  ('75',   25,   12.5,  37.5),
  ('76.2', 25.4, 12.7,  38.1),
  ('78',   26,   13,    39),
  ('83',   26,   15.5,  41.5),
  ('85',   26,   16.5,  46),
  ('85.8', 28.6, 14.3,  42.9),
  ('93',   29,   17.5,  46.5),
  ('95',   30,   17.5,  47.5),
  ('96',   32,   16,    48);

-- L, stack b as printed in the core name, in catalogue order.
CREATE TEMP TABLE stack (L TEXT, b TEXT);
INSERT INTO stack VALUES
  ('28', '8'), ('28', '10'), ('28', '12'), ('28', '14'), ('28', '16'),
  ('30', '10'), ('30', '12.5'), ('30', '15'), ('30', '16'), ('30', '20'),
  ('35', '10'), ('35', '12.5'), ('35', '15'), ('35', '18'), ('35', '20'),
  ('38', '13'), ('38', '15'), ('38', '20'), ('38', '26'),
  ('41', '13'), ('41', '16'), ('41', '20'), ('41', '26'),
  ('42', '14'), ('42', '16'), ('42', '20'), ('42', '25'), ('42', '28'),
  ('48', '16'), ('48', '20'), ('48', '24'), ('48', '25'), ('48', '28'), ('48', '30'),
  ('48', '32'),
  ('54', '18'), ('54', '20'), ('54', '25'), ('54', '27'), ('54', '30'), ('54', '31.5'),
  ('54', '36'),
  ('57', '19'), ('57', '25'), ('57', '30'), ('57', '33.5'), ('57', '35'), ('57', '38'),
  ('60', '20'), ('60', '25'), ('60', '30'), ('60', '35'), ('60', '40'), ('60', '45'),
  ('64', '20'), ('64', '25'), ('64', '30'), ('64', '35'), ('64', '40'),
  ('66', '22'), ('66', '25'), ('66', '30'), ('66', '33'), ('66', '35'), ('66', '38'),
  ('66', '40'), ('66', '44'), ('66', '50'),
  ('74', '23'), ('74', '30'), ('74', '35'), ('74', '40'), ('74', '45'),
  ('75', '25'), ('75', '30'), ('75', '35'), ('75', '40'), ('75', '50'),
  ('76.2', '25.4'), ('76.2', '30'), ('76.2', '35'), ('76.2', '40'), ('76.2', '50.8'),
  ('78', '26'), ('78', '30'), ('78', '35'), ('78', '40'), ('78', '50'),
  ('83', '26'), ('83', '30'), ('83', '35'), ('83', '40'), ('83', '50'),
  ('85', '26'), ('85', '30'), ('85', '35'), ('85', '40'), ('85', '50'),
  ('85.8', '28.6'), ('85.8', '35'), ('85.8', '40'), ('85.8', '45'), ('85.8', '57.2'),
  ('93', '29'), ('93', '35'), ('93', '40'), ('93', '45'), ('93', '50'), ('93', '58'),
  ('95', '30'), ('95', '35'), ('95', '40'), ('95', '45'), ('95', '50'), ('95', '60'),
  ('96', '32'), ('96', '35'), ('96', '40'), ('96', '45'), ('96', '50'), ('96', '64');

-- Every bobbin of one type: the lamination, its stacks and the dimensions the
-- types share (A overall, B across, D depth, F along); the slot widths of a
-- one-slot (C1) and of a two-slot type (C1, C2). SQL names are blind to case:
-- the columns have names of their own beside the stack b.
CREATE TEMP VIEW bobbin AS
  SELECT s.L AS L, s.b AS b, s.rowid AS position,
         printf('%.15g', round(l.h - 0.5, 2)) AS overall,
         printf('%.15g', round(l.a + 3, 2)) AS across,
         printf('%.15g', round(l.h - 3, 2)) AS one_slot,
         printf('%.15g', round((l.h - 4.5) / 2, 2)) AS half_slot,
         printf('%.15g', round(l.c - 2, 2)) AS depth,
         printf('%.15g', round(s.b + 3, 2)) AS along
  FROM stack AS s JOIN lamination AS l ON l.L = s.L;

INSERT INTO EIB1
  SELECT '标准骨架', 'EI-' || L || '*' || b, 'GZ-' || L || '-' || b,
         overall, across, one_slot, NULL, depth, along
  FROM bobbin ORDER BY position;

INSERT INTO EIB2
  SELECT '标准骨架', 'EI-' || L || '*' || b, 'WZ-' || L || '-' || b,
         overall, across, half_slot, half_slot, depth, along
  FROM bobbin ORDER BY position;

INSERT INTO EIB3
  SELECT '标准骨架', 'EI-' || L || '*' || b, 'CT-' || L || '-' || b,
         overall, across, half_slot, half_slot, depth, along
  FROM bobbin ORDER BY position;

COMMIT;
