-- "reports.mdb": the scratch data of the week and month reports, filled just before each report.
CREATE TABLE Class (Teacher TEXT, Subject TEXT, Period TEXT, Comments TEXT);
CREATE TABLE RptData (RowNo INTEGER PRIMARY KEY, LessonDate TEXT, Title TEXT);
