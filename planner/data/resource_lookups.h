#pragma once

#include "records.h"

#include <QString>

// Look-ups of the course's resource library, each reading only the first row of its saved query.
// Failures of the database, and a Null where a number or a flag is read, pass to the caller.

// The first resource of a chapter node (HasResources) or of a resource-type node (TypeHasResources) and
// whether it has a document; false and 0 when the node has none.
void HasResources(qint32 nodeID, bool& hasPDF, qint32& resourceID);
void TypeHasResources(qint32 nodeID, bool& hasPDF, qint32& resourceID);

// Fills `rec` from the course resource `resourceID`, its texts trimmed; an unknown resource leaves
// `rec` untouched. Only a "0101" course reads the Spanish document and the page range.
void GetResourceDetails(qint32 resourceID, ResourceRecord& rec);

// The title of a resource type, trimmed; empty for an unknown type.
QString GetTypeName(qint32 typeID);

// The first resource of a resource-type node or of a chapter node; 0 when it has none.
qint32 GetTypeResourceID(qint32 nodeID);
qint32 GetChapterResourceID(qint32 nodeID);
