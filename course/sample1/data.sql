-- SAMPLE1, "Weather Watchers": a third-grade science course of data version "0101". Units hold
-- chapters, chapters hold lessons; one lesson sits at the root. Resources are page ranges of shared
-- documents (the configuration sets MULTIPAGEPDF).
INSERT INTO CourseInfo VALUES ('0110', 'Weather Watchers sample course');

INSERT INTO LessonTree (TreeID, ParentID, SortOrder, ItemNumber, Title,
                        Objective1, Objective2, Objective3, Objective4, Objective5, HasChildren) VALUES
-- roots: SortOrder differs from TreeID order; a unit without a number; a lesson at the root;
-- a node whose HasChildren is Null; a unit that says it has children and has none
(50, 0, 1, NULL, 'Weather Tools', NULL, NULL, NULL, NULL, NULL, 1),
(10, 0, 2, '1', 'Air and Sky', 'Air is all around us.', NULL, NULL, NULL, NULL, 1),
(30, 0, 3, '2', 'Water on the Move', NULL, '', NULL, NULL, NULL, 1),
(60, 0, 4, '3', 'Weather Journal Kickoff',
 'Start a daily weather journal with date, sky and temperature.', 'Record what you see.', NULL, NULL,
 'Hang the class journal by the window.', 0),
(70, 0, 5, '4', 'Storm Safety Review', 'Name three ways to stay safe in a thunderstorm.', NULL, NULL, NULL, '', NULL),
(80, 0, 6, '5', 'Seasons', NULL, NULL, NULL, NULL, NULL, 1),
-- unit 1
(15, 10, 1, '1', 'Clouds', NULL, NULL, NULL, NULL, NULL, 1),
(11, 10, 2, '2', 'What Is Air?', 'Air is matter: it takes up space and has weight.', NULL, NULL, NULL, NULL, 1),
(12, 11, 1, '1', 'Air Takes Up Space',
 'Show that air takes up space by pushing a cup straight down into a tub of water and watching the paper towel inside stay dry.',
 'Predict, observe and explain.', NULL, '', 'Use the rain barrel by the school garden.', 0),
(13, 11, 2, '2', 'Air Has Weight',
 'Compare two balloons on a balance, one full and one empty, and explain why the full one is heavier. Students write a sentence with the words matter, weight and air, then draw the balance before and after one balloon is popped. Extend: does warm air weigh the same as cold air?',
 NULL, 'Draw and label a balance.', NULL, NULL, 0),
(14, 11, 3, '3', 'Moving Air Is Wind', 'Describe wind as moving air.', '', NULL, NULL, '', 0),
(16, 15, 1, '1', 'How Clouds Form', 'Explain that clouds are tiny drops of water.', NULL, NULL, NULL, NULL, 0),
(17, 15, 2, '2', 'Cloud Types', 'Tell cumulus, stratus and cirrus clouds apart.', 'Sketch each kind.', NULL, NULL, 'Cloud walk on Friday.', 0),
-- unit 2
(31, 30, 1, '1', 'The Water Cycle', NULL, NULL, NULL, NULL, NULL, 1),
(32, 31, 1, '1', 'Evaporation', 'Water turns into water vapor when it warms.', NULL, NULL, NULL,
 'Café visit: watch steam rise from hot cocoa.', 0),
(33, 31, 2, '2', 'Condensation', 'Water vapor turns back into drops when it cools.', NULL, NULL, NULL, NULL, 0),
(34, 31, 3, '3', 'Precipitation', 'Rain, snow, sleet and hail fall from clouds.', 'Measure rain in a gauge.', NULL, NULL, NULL, 0),
-- unit without a number
(51, 50, 1, '1', 'Thermometers', NULL, NULL, NULL, NULL, NULL, 1),
(52, 51, 1, '1', 'Reading a Thermometer', 'Read a thermometer to the nearest degree.', NULL, NULL, NULL, NULL, 0),
(53, 51, 2, '2', 'Hot and Cold Days', 'Compare the temperature of two days.', NULL, NULL, NULL, NULL, 0);

-- no row for type 0; type 9 has none either; one title has blanks around it
INSERT INTO ResourceTypes VALUES (1, 'Teacher Guide'), (2, '  Activity Sheet  '), (3, 'Video'), (4, 'Assessment');

INSERT INTO Resources (ResourceID, TreeID, TypeID, Title, Duration, PlanItem, SortOrder, Descript, Header,
                       PDFFile, PDFSpanish, pdfpagestart, pdfpageend) VALUES
-- lesson 12: core resources 1 and 3 (the smallest id is 1); 4 is not core
(1, 12, 1, 'Air Takes Up Space: Teacher Notes', 10, 1, 1, 'Background and set-up for the lesson.', 0,
 'airsky.pdf', 'airsky_es.pdf', 3, 5),
(3, 12, 2, 'Cup in a Tub', 15, 1, 2, '', 0, 'airsky.pdf', '   ', 5, 3),
(4, 12, 3, 'Bubbles Video', -1, 0, 3, NULL, 0, NULL, NULL, NULL, NULL),
-- lesson 14: core resources in an order that is not the id order, led by a heading; 9 is not core
(8, 14, 1, 'Wind Warm-Up', -1, 1, 1, NULL, 1, '', NULL, 0, 3),
(6, 14, 2, '  Wind Vane Build  ', 20, 1, 2, '   ', 0, 'airsky.pdf', NULL, 5, 0),
(5, 14, 9, 'Pinwheel Test', 0, 1, 3, 'Time how long the pinwheel spins.', 0, '   ', NULL, NULL, NULL),
(7, 14, 4, 'Wind Quiz', 10, 1, 4, 'Five questions on wind.', 0, 'airsky.pdf', 'airsky_es.pdf', 11, 12),
(9, 14, 3, 'Extra: Air Cannon', 15, 0, 5, 'A box with a hole shoots rings of air.', 0, 'airsky.pdf', NULL, 8, 8),
-- lesson 16 has only resources that are not core; lesson 13 has none
(10, 16, 3, 'Cloud in a Jar', 15, 0, 1, 'Make a cloud with warm water and ice.', 0, 'airsky.pdf', NULL, 9, 9),
(11, 16, 2, 'Cloud Sketch Sheet', 10, 0, 2, NULL, 0, 'airsky.pdf', NULL, 10, 10),
(12, 17, 1, 'Cloud Types Guide', 10, 1, 1, 'Cumulus, stratus and cirrus.', 0, 'airsky.pdf', 'airsky_es.pdf', 10, 11),
(13, 17, 4, 'Cloud Match-Up', 15, 1, 2, 'Match each photo to its cloud type.', 0, 'airsky.pdf', NULL, 12, 12),
(20, 32, 1, 'Evaporation Notes', 10, 1, 1, 'Why puddles dry up.', 0, 'water.pdf', NULL, 1, 2),
(21, 32, 2, 'Puddle Watch', 20, 1, 2, 'Trace a puddle with chalk every hour.', 0, 'water.pdf', NULL, 3, 3),
(22, 33, 2, 'Cold Can Drops', 15, 1, 1, 'Drops form on a can of ice water.', 0, 'water.pdf', NULL, 4, 5),
(23, 34, 1, 'Precipitation Notes', 10, 1, 1, NULL, 0, 'water.pdf', NULL, 6, 6),
(24, 34, 2, 'Make a Rain Gauge', 25, 1, 2, 'A bottle, a ruler and tape.', 0, 'water.pdf', NULL, 7, 8),
(30, 60, 2, 'My Weather Journal', 15, 1, 1, 'Journal pages for the first week.', 0, 'tools.pdf', NULL, 1, 2),
(31, 52, 1, 'Thermometer Notes', 10, 1, 1, 'Red line, numbers, degrees.', 0, 'tools.pdf', NULL, 3, 3),
(32, 52, 2, 'Read the Thermometer', 15, 1, 2, NULL, 0, 'tools.pdf', NULL, 4, 4),
(33, 53, 4, 'Hot or Cold?', 10, 1, 1, 'Sort pictures of hot and cold days.', 0, 'tools.pdf', NULL, 5, 5),
-- in the libraries only: a Null title, and one without a document
(40, 0, 2, NULL, 10, 0, 1, 'Printable blank weather log.', 0, 'tools.pdf', NULL, 6, 6),
(41, 0, 1, 'Weather Words Poster', 0, 0, 2, NULL, 0, NULL, NULL, NULL, NULL);

INSERT INTO ResLib (ResLibID, Library, ParentID, SortOrder, Title, HasChildren) VALUES
-- by chapter: a root leaf, a node whose HasChildren is Null, one with HasChildren 1 and no children,
-- and a leaf without resources
(100, 1, 0, 1, 'Unit 1: Air and Sky', 1),
(101, 1, 100, 1, 'What Is Air?', 0),
(102, 1, 100, 2, 'Clouds', 0),
(110, 1, 0, 2, 'Unit 2: Water on the Move', 1),
(111, 1, 110, 1, 'The Water Cycle', 0),
(120, 1, 0, 3, 'Weather Log Pages', 0),
(130, 1, 0, 4, 'Classroom Posters', NULL),
(140, 1, 0, 5, 'Coming Soon', 1),
(150, 1, 0, 6, 'Empty Shelf', 0),
-- by type
(200, 2, 0, 1, 'Teacher Guides', 1),
(201, 2, 200, 1, 'Lesson Notes', 0),
(210, 2, 0, 2, 'Activities', 1),
(211, 2, 210, 1, 'Hands-On', 0),
(212, 2, 210, 2, 'Worksheets', 0),
(220, 2, 0, 3, 'Videos', 0);

-- The first resource of a node is the first in SortOrder, not the smallest id. Resource 6 sits in both
-- libraries.
INSERT INTO ResLibItems (ResLibID, ResourceID, SortOrder) VALUES
(101, 6, 1), (101, 1, 2), (101, 3, 3), (101, 9, 4),
(102, 10, 1), (102, 11, 2), (102, 12, 3),
(111, 20, 1), (111, 21, 2), (111, 22, 3), (111, 23, 4), (111, 24, 5),
(120, 40, 1), (120, 30, 2),
(130, 41, 1),
(201, 12, 1), (201, 1, 2),
(211, 6, 1), (211, 3, 2), (211, 10, 3),
(212, 11, 1), (212, 40, 2),
(220, 4, 1);
