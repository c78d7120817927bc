#pragma once

// The host program's automation interface: the objects the program drives and the events it receives.
// A backend implements every interface below (the simulated host in-process, the D-Bus client, a COM
// client on Windows). The COM backend calls the host by dispatch id:
//
// | object             | id       | operation                                                  |
// |--------------------|----------|------------------------------------------------------------|
// | application        | 2        | activePartProgram                                          |
// | application        | 27       | events (the event source object)                           |
// | application        | 61, 6    | toolbarStateSourceFolder, toolbarStateTargetFolder         |
// | application        | 8        | displayUpdates / setDisplayUpdates                         |
// | application        | 10..13   | windowLeft, windowWidth, windowTop, windowHeight (get/put) |
// | application        | 31       | versionText                                                |
// | part program       | 1        | name                                                       |
// | part program       | 2        | folder                                                     |
// | part program       | 3, 4, 5  | revision, drawingNumber, fileName                          |
// | part program       | 6        | fullName                                                   |
// | part program       | 11       | commands                                                   |
// | part program       | 21, 41   | save, loadToolbarState                                     |
// | command collection | 3        | count                                                      |
// | command collection | 10       | commandWithUniqueId (two numbers by reference)             |
// | command collection | _NewEnum | commandAt (program order)                                  |
// | command            | 3        | identifierText                                             |
// | command            | 6        | typeCode                                                   |
// | command            | 17, 54   | isDimension, isComment                                     |
// | command            | 8, 53, 57| dimension, comment, assignment                             |
// | command            | 21       | isMarked                                                   |
// | command            | 83       | uniqueId (two numbers by reference, out)                   |
// | command            | 79       | fieldText (field code, index)                              |
// | command            | 102      | fieldValue (field code, index)                             |
// | command            | 104      | fieldNumber (field code, index)                            |
// | command            | 23, 25   | previous, activate                                         |
// | dimension          | 2, 3, 9  | bonus, deviation, datumLength                              |
// | dimension          | 10..16   | nominal, max, measured, min, minusTolerance, plusTolerance,|
// |                    |          | outOfTolerance                                             |
// | dimension          | 5, 6..8  | name, featureName(1..3)                                    |
// | dimension          | 29       | axisLabel                                                  |
// | dimension          | 32..34   | datumLabel(1..3)                                           |
// | dimension          | 22, 25   | outputCode, unitCode                                       |
// | dimension          | 30, 31   | isLocationAxis, isTruePositionAxis                         |
// | comment            | 1, 3, 5  | kind, text, line(number)                                   |
// | assignment         | 1, 2     | variableName, value                                        |
//
// Events of the event source, by name: OnEndExecution (HostEventSource::endExecution),
// OnObjectExecuted (objectExecuted), OnAddObject (objectAdded).
//
// HostCommand::snapshot and HostCommandCollection::snapshots have no dispatch id: a COM backend
// builds them with readCommandSnapshot from the single calls.

#include "host/HostApplication.h"
#include "host/HostAssignment.h"
#include "host/HostCallError.h"
#include "host/HostCommand.h"
#include "host/HostCommandCollection.h"
#include "host/HostComment.h"
#include "host/HostDimension.h"
#include "host/HostEventSource.h"
#include "host/HostPartProgram.h"
