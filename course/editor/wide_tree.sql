-- For the objectives editor only: a lesson whose TreeID does not fit in 16 bits.
INSERT INTO CourseInfo VALUES ('0100', 'Wide tree fixture');
INSERT INTO LessonTree (TreeID, ParentID, SortOrder, ItemNumber, Title, Objective5, HasChildren) VALUES
(1, 0, 1, '1', 'Big Numbers', NULL, 1),
(40000, 1, 1, '1', 'Counting Past Thirty Thousand', 'Local note', 0);
