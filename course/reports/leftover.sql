-- Rows an earlier fill left behind.
INSERT INTO Class VALUES ('Earlier teacher', 'Earlier subject', 'Earlier period', 'Earlier comments');
INSERT INTO RptData (LessonDate, Title) VALUES ('2026-12-07', 'Left over'), ('2026-12-08', 'Left over too');
