-- SAMPLE0, "Number Sense": a second-grade mathematics course of data version "0100". Its resources
-- have no Spanish document and no page range (the columns are not there), each has a document of its
-- own, and its type library is empty.
ALTER TABLE Resources DROP COLUMN PDFSpanish;
ALTER TABLE Resources DROP COLUMN pdfpagestart;
ALTER TABLE Resources DROP COLUMN pdfpageend;

INSERT INTO CourseInfo VALUES ('0105', 'Number Sense sample course');

INSERT INTO LessonTree (TreeID, ParentID, SortOrder, ItemNumber, Title,
                        Objective1, Objective2, Objective3, Objective4, Objective5, HasChildren) VALUES
(1, 0, 1, '1', 'Counting and Place Value', NULL, NULL, NULL, NULL, NULL, 1),
(2, 1, 1, '1', 'Tens and Ones', NULL, NULL, NULL, NULL, NULL, 1),
(3, 2, 1, '1', 'Bundles of Ten', 'Group objects in tens and ones.', 'Use straws and rubber bands.',
 'Count by tens to 100.', 'Write the number of bundles.', 'Straws are in the math closet.', 0),
(4, 2, 2, '2', 'Reading Two-Digit Numbers', 'Read and write numbers to 99.', NULL, '', NULL, NULL, 0),
(5, 1, 2, '2', 'Hundreds', NULL, NULL, NULL, NULL, NULL, 1),
(6, 5, 1, '1', 'Groups of One Hundred', 'Ten tens make a hundred.', NULL, NULL, NULL, '', 0),
(7, 0, 2, '2', 'Adding and Subtracting', NULL, NULL, NULL, NULL, NULL, 1),
(8, 7, 1, '1', 'Adding Within 100', NULL, NULL, NULL, NULL, NULL, 1),
(9, 8, 1, '1', 'Number Line Jumps', 'Add by jumping on a number line.', NULL, NULL, NULL, NULL, 0),
(10, 8, 2, '2', 'Making Ten', 'Make a ten to add quickly.', 'Explain the strategy to a partner.', NULL, NULL, NULL, 0);

INSERT INTO ResourceTypes VALUES (1, 'Teacher Guide'), (2, 'Worksheet'), (3, 'Game');

INSERT INTO Resources (ResourceID, TreeID, TypeID, Title, Duration, PlanItem, SortOrder, Descript, Header, PDFFile) VALUES
(2, 3, 1, 'Bundles of Ten: Teacher Notes', 10, 1, 1, 'How to run the bundling activity.', 0, 'bundles.pdf'),
(3, 3, 2, 'Bundle Count Sheet', 15, 1, 2, NULL, 0, 'bundles_ws.pdf'),
(4, 4, 2, 'Read It, Write It', 20, 1, 1, 'Numbers in words and digits.', 0, 'readwrite.pdf'),
(5, 6, 3, 'Hundred Chart Race', 15, 1, 1, NULL, 0, 'hundred.pdf'),
(6, 9, 2, 'Jump Along', 20, 1, 1, 'Number line practice.', 0, 'jumps.pdf'),
(7, 10, 3, 'Ten Frame Flash', 10, 0, 1, NULL, 0, 'tenframe.pdf');

INSERT INTO ResLib (ResLibID, Library, ParentID, SortOrder, Title, HasChildren) VALUES
(100, 1, 0, 1, 'Place Value', 1),
(101, 1, 100, 1, 'Tens and Ones', 0),
(110, 1, 0, 2, 'Addition', 0);

INSERT INTO ResLibItems (ResLibID, ResourceID, SortOrder) VALUES
(101, 3, 1), (101, 2, 2), (101, 4, 3), (110, 6, 1), (110, 7, 2);
