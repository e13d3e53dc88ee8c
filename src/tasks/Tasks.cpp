#include "tasks/Tasks.h"

namespace orv::tasks {

TaskListView Tasks::load(int gridHeight) const {
    return buildTaskList(store().all(), gridHeight);
}

TaskForm Tasks::newTask() {
    state_.selectedTask = 0;
    TaskForm form;
    form.start = ctx_.clock.today();
    form.end = form.start;
    return form;
}

TaskForm Tasks::open(const TaskRow& row) {
    state_.selectedTask = row.key;
    TaskForm form;
    form.start = row.start;
    form.end = row.end;
    form.priority = row.priority == High || row.priority == Normal ? row.priority : Low;
    form.description = row.description;
    form.done = row.done;
    form.doneEnabled = true;
    form.canDelete = true;
    return form;
}

TaskField Tasks::save(const TaskForm& form) {
    if (form.end < form.start) {
        ctx_.messages.okay(kEndBeforeStart, msg::Serious);
        return TaskField::Dates;
    }
    const QString description = form.description.trimmed();
    if (description.isEmpty()) {
        ctx_.messages.okay(kNoTaskDescription, msg::Information);
        return TaskField::Description;
    }
    const Task task{form.start, form.end, description, form.done, form.priority};
    if (state_.selectedTask == 0) {
        store().insert(task);
    } else {
        store().update(state_.selectedTask, task);
    }
    return TaskField::None;
}

bool Tasks::removeOpen() {
    if (!ctx_.messages.confirm(kConfirmTaskDelete)) {
        return false;
    }
    store().remove(state_.selectedTask);
    return true;
}

} // namespace orv::tasks
