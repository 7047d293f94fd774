// Iterative deepening on the table's estimate. Each depth is cut at a few levels into subtrees,
// taken in order by the threads; the solution of the earliest subtree wins, so the answer does
// not depend on the number of threads.
#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "solver/optimal/move_pruning.h"
#include "solver/optimal/optimal_solver.h"
#include "solver/optimal/packed_position.h"
#include "solver/optimal/table_shape.h"

namespace tq::optimal {

namespace {

// Longer than any solution the fast mode gives (the longest shortest one is about 35 moves).
constexpr int MaxDepth = 96;
// Subtrees per depth: enough that two threads finish close together.
constexpr size_t WantedTasks = 512;
// A depth that looked up fewer positions than this runs the next on the calling thread
// alone: starting a thread costs more than it saves there.
constexpr uint64_t ThreadedFrom = 20000;
// Positions between two looks at the stop request.
constexpr uint64_t StopCheckEvery = 4096;

// f = Den * g + Num * h: the plain sum for a shortest solution, more weight on the estimate in
// the fast mode. Each depth raises the bound at least by MinStep.
struct Weight {
  int Num;
  int Den;
  int MinStep;
};
constexpr Weight Exact{1, 1, 1};
// Fast mode: 1.5 times the estimate, and two moves more each depth; what it costs and saves
// is measured in optimal_solver.h. The others tried, on the same 100 positions: 4/3 with a
// step of one and a third moves gave 0.6 longer (at most 3) in half the time; 5/4 with two
// moves 0.3 longer in 0.7; 3/2 with the bound's smallest rise 0.9 longer in 0.9.
constexpr Weight Fast{3, 2, 4};

struct Node {
  PackedPosition Position;
  MoveHistory History;
  uint8_t Depth;
  uint8_t Estimate;
};

// A subtree of one depth's search: its root and the moves that lead there.
struct Task {
  Node Root;
  std::array<uint8_t, MaxDepth> Path;
};

template <bool Pairs>
struct Child {
  PackedPosition Position;
  typename TableView<Pairs>::Indices Indices;
  uint8_t Code;
  uint8_t Estimate;
  uint16_t Order;  // the estimate, then the sum of all lookups
};

enum class Outcome { Exhausted, Solved, Abandoned };

// What the threads share during one depth.
struct DepthShared {
  const std::vector<Task>* Tasks;
  std::atomic<size_t> NextTask{0};
  std::atomic<size_t> FirstSolved{std::numeric_limits<size_t>::max()};
  std::atomic<bool> Stop{false};
};

template <bool Pairs, bool Vector>
class Worker;

// The search's recursive steps, one function per instruction set with the step inlined into
// it, so that the byte shuffles compile for the instructions the copy may use.
template <bool Pairs>
Outcome SearchBaseline(Worker<Pairs, false>& w, const Node& node) {
  return w.SearchStep(node);
}
template <bool Pairs>
Outcome DescendBaseline(Worker<Pairs, false>& w, const Node& node, Child<Pairs>* children, int count) {
  return w.DescendStep(node, children, count);
}
#if TQ_VECTOR_COPIES
template <bool Pairs>
TQ_TARGET_V2 Outcome SearchV2(Worker<Pairs, true>& w, const Node& node) {
  return w.SearchStep(node);
}
template <bool Pairs>
TQ_TARGET_V2 Outcome DescendV2(Worker<Pairs, true>& w, const Node& node, Child<Pairs>* children, int count) {
  return w.DescendStep(node, children, count);
}
#endif

template <bool Pairs, bool Vector>
class Worker {
 public:
  Worker(const TableView<Pairs>& view, Weight weight, int bound, const SearchOptions* caller)
      : view_(view), pruning_(MovePruning::Get()), weight_(weight), bound_(bound), caller_(caller) {}

  // Depth-first to `splitDepth`, collecting the nodes there (and any solved one before) in order.
  void Split(const Node& root, int splitDepth, std::vector<Task>& tasks) {
    splitDepth_ = splitDepth;
    tasks_ = &tasks;
    Search(root);
    tasks_ = nullptr;
  }

  // Takes subtrees in order until none is left or an earlier one is solved.
  void Run(DepthShared& shared) {
    shared_ = &shared;
    splitDepth_ = MaxDepth;
    for (size_t t; (t = shared.NextTask.fetch_add(1)) < shared.Tasks->size();) {
      if (t > shared.FirstSolved.load(std::memory_order_relaxed) || shared.Stop.load(std::memory_order_relaxed)) break;
      taskNumber_ = t;
      const Task& task = (*shared.Tasks)[t];
      std::copy(task.Path.begin(), task.Path.begin() + task.Root.Depth, path_.begin());
      if (Start(task.Root) == Outcome::Solved) {
        solvedTask_ = t;
        size_t first = shared.FirstSolved.load();
        while (t < first && !shared.FirstSolved.compare_exchange_weak(first, t)) {
        }
        break;
      }
    }
  }

  uint64_t Nodes() const { return nodes_; }
  int NextBound() const { return nextBound_; }
  size_t SolvedTask() const { return solvedTask_; }
  std::string Solution() const {
    std::string digits;
    for (int i = 0; i < solvedLength_; ++i) digits += static_cast<char>('0' + path_[i]);
    return digits;
  }

 private:
  int F(int depth, int estimate) const { return weight_.Den * depth + weight_.Num * estimate; }

  Outcome Start(const Node& root) {
    if (root.Estimate == 0) {
      solvedLength_ = root.Depth;
      return Outcome::Solved;
    }
    return Search(root);
  }

  bool ShouldAbandon() {
    if (shared_ == nullptr) return false;
    if (caller_ != nullptr && caller_->ShouldStop && caller_->ShouldStop()) shared_->Stop.store(true);
    return shared_->Stop.load(std::memory_order_relaxed) ||
           shared_->FirstSolved.load(std::memory_order_relaxed) < taskNumber_;
  }

  // Expands a node whose f is within the bound and that is not solved.
  Outcome Search(const Node& node) {
    if constexpr (Vector) {
      return SearchV2(*this, node);
    } else {
      return SearchBaseline(*this, node);
    }
  }

  Outcome Descend(const Node& node, Child<Pairs>* children, int count) {
    if constexpr (Vector) {
      return DescendV2(*this, node, children, count);
    } else {
      return DescendBaseline(*this, node, children, count);
    }
  }

 public:
  // The bodies of the copies above.
  [[gnu::always_inline]] Outcome SearchStep(const Node& node) {
    Child<Pairs> children[MoveCount];
    const int count = Generate(node, children);
    return Descend(node, children, count);
  }

  // Goes through the children that Generate made, in order. The next child's children are made
  // (their entries asked for) before the search goes into this child's subtree, so that memory
  // delivers them meanwhile: 24 % less time than making each node's children on arrival.
  [[gnu::always_inline]] Outcome DescendStep(const Node& node, Child<Pairs>* children, int count) {
    const int kept = Evaluate(node, children, count);
    if (nodes_ >= nextCheck_) {
      nextCheck_ = nodes_ + StopCheckEvery;
      if (ShouldAbandon()) return Outcome::Abandoned;
    }
    const int depth = node.Depth + 1;
    Child<Pairs> grandchildren[2][MoveCount];
    int grandcount[2] = {};
    int prepared = -1;  // the child whose children are made already, in grandchildren[prepared & 1]
    for (int i = 0; i < kept; ++i) {
      const Child<Pairs>& child = children[i];
      path_[node.Depth] = child.Code;
      const Node next = NodeOf(node, child);
      if (child.Estimate == 0 || depth == splitDepth_) {
        if (tasks_ != nullptr) {
          tasks_->push_back({next, path_});
          continue;
        }
        solvedLength_ = depth;
        return Outcome::Solved;
      }
      if (depth >= MaxDepth - 1) continue;
      if (prepared != i) grandcount[i & 1] = Generate(next, grandchildren[i & 1]);
      if (i + 1 < kept && Expandable(children[i + 1], depth)) {
        grandcount[(i + 1) & 1] = Generate(NodeOf(node, children[i + 1]), grandchildren[(i + 1) & 1]);
        prepared = i + 1;
      }
      const Outcome outcome = Descend(next, grandchildren[i & 1], grandcount[i & 1]);
      if (outcome != Outcome::Exhausted) return outcome;
    }
    return Outcome::Exhausted;
  }

 private:
  static Node NodeOf(const Node& parent, const Child<Pairs>& child) {
    return {child.Position, AfterMove(parent.History, child.Code), static_cast<uint8_t>(parent.Depth + 1), child.Estimate};
  }

  bool Expandable(const Child<Pairs>& child, int depth) const {
    return child.Estimate != 0 && depth != splitDepth_ && depth < MaxDepth - 1;
  }

  // The children that the move cuts allow, each with its table entries asked for.
  [[gnu::always_inline]] int Generate(const Node& node, Child<Pairs>* children) {
    const int state = Placements::SlideStateOf(node.Position.Placement);
    const unsigned allowed = pruning_.Allowed(state, node.History);
    int count = 0;
    for (unsigned rest = allowed; rest != 0; rest &= rest - 1) {
      Child<Pairs>& child = children[count++];
      child.Code = static_cast<uint8_t>(std::countr_zero(rest) + 1);
      child.Position = view_.template Move<Vector>(node.Position, child.Code);
      view_.template Locate<Vector>(child.Position, child.Indices);
    }
    nodes_ += static_cast<uint64_t>(count);
    return count;
  }

  // Keeps the children within the bound, by rising estimate, then by the sum of all lookups
  // (2 % fewer nodes than by the estimate alone, from finding the solution sooner in the last
  // depth), then by move code.
  [[gnu::always_inline]] int Evaluate(const Node& node, Child<Pairs>* children, int count) {
    int kept = 0;
    for (int i = 0; i < count; ++i) {
      const int score = view_.Score(children[i].Indices);
      const int estimate = score >> 8;
      const int f = F(node.Depth + 1, estimate);
      if (f > bound_) {
        nextBound_ = std::min(nextBound_, f);
        continue;
      }
      Child<Pairs> child = children[i];
      child.Estimate = static_cast<uint8_t>(estimate);
      child.Order = static_cast<uint16_t>(score);
      int at = kept++;
      for (; at > 0 && children[at - 1].Order > child.Order; --at) children[at] = children[at - 1];
      children[at] = child;
    }
    return kept;
  }

  const TableView<Pairs>& view_;
  const MovePruning& pruning_;
  Weight weight_;
  int bound_;
  const SearchOptions* caller_;
  int splitDepth_ = MaxDepth;
  std::vector<Task>* tasks_ = nullptr;
  DepthShared* shared_ = nullptr;
  size_t taskNumber_ = 0;
  uint64_t nodes_ = 0;
  uint64_t nextCheck_ = StopCheckEvery;
  int nextBound_ = std::numeric_limits<int>::max();
  size_t solvedTask_ = std::numeric_limits<size_t>::max();
  int solvedLength_ = 0;
  std::array<uint8_t, MaxDepth> path_{};
};

struct DepthResult {
  uint64_t Nodes = 0;
  int NextBound = std::numeric_limits<int>::max();
  bool Stopped = false;
  bool Solved = false;
  std::string Solution;
};

// Cuts the tree one level deeper until there are enough subtrees for the threads.
template <bool Pairs, bool Vector>
std::vector<Task> SplitIntoTasks(const TableView<Pairs>& view, Weight weight, int bound, const Node& root, DepthResult& result) {
  std::vector<Task> tasks;
  for (int splitDepth = 1;; ++splitDepth) {
    tasks.clear();
    Worker<Pairs, Vector> splitter(view, weight, bound, nullptr);
    splitter.Split(root, splitDepth, tasks);
    result.Nodes += splitter.Nodes();
    result.NextBound = std::min(result.NextBound, splitter.NextBound());
    if (tasks.size() >= WantedTasks || weight.Den * splitDepth >= bound) return tasks;
  }
}

// Searches every sequence within the bound, on `threads` threads.
template <bool Pairs, bool Vector>
DepthResult SearchDepth(const TableView<Pairs>& view, Weight weight, int bound, const Node& root, int threads,
                        const SearchOptions& options) {
  DepthResult result;
  const std::vector<Task> tasks = SplitIntoTasks<Pairs, Vector>(view, weight, bound, root, result);
  DepthShared shared;
  shared.Tasks = &tasks;
  std::vector<Worker<Pairs, Vector>> workers;
  for (int t = 0; t < threads; ++t) workers.emplace_back(view, weight, bound, t == 0 ? &options : nullptr);
  std::vector<std::thread> helpers;
  for (int t = 1; t < threads; ++t) helpers.emplace_back([&workers, &shared, t] { workers[t].Run(shared); });
  workers[0].Run(shared);
  for (std::thread& helper : helpers) helper.join();
  result.Stopped = shared.Stop.load();
  const Worker<Pairs, Vector>* first = nullptr;
  for (const Worker<Pairs, Vector>& worker : workers) {
    result.Nodes += worker.Nodes();
    result.NextBound = std::min(result.NextBound, worker.NextBound());
    if (first == nullptr || worker.SolvedTask() < first->SolvedTask()) first = &worker;
  }
  if (!result.Stopped && first->SolvedTask() < tasks.size()) {
    result.Solved = true;
    result.Solution = first->Solution();
  }
  return result;
}

template <bool Pairs, bool Vector>
SearchResult SolveWith(const TableView<Pairs>& view, const PackedPosition& position, const SearchOptions& options) {
  const Weight weight = options.Fast ? Fast : Exact;
  typename TableView<Pairs>::Indices indices;
  view.Locate(position, indices);
  const Node root{position, EmptyHistory, 0, static_cast<uint8_t>(view.Estimate(indices))};
  uint64_t nodes = 1;
  if (root.Estimate == 0) return {SearchStatus::Solved, "", nodes};
  uint64_t lastDepthNodes = 0;
  for (int bound = weight.Num * root.Estimate; bound < weight.Den * (MaxDepth - 1);) {
    if (options.ShouldStop && options.ShouldStop()) break;
    const int threads = lastDepthNodes >= ThreadedFrom ? std::max(1, options.Threads) : 1;
    DepthResult depth = SearchDepth<Pairs, Vector>(view, weight, bound, root, threads, options);
    nodes += depth.Nodes;
    lastDepthNodes = depth.Nodes;
    if (depth.Stopped) break;
    if (depth.Solved) return {SearchStatus::Solved, std::move(depth.Solution), nodes};
    if (options.Progress) options.Progress({bound / weight.Den, nodes});
    bound = std::max(depth.NextBound, bound + weight.MinStep);
  }
  return {SearchStatus::Stopped, "", nodes};
}

template <bool Vector>
SearchResult SolveOn(const PatternTable& table, const PackedPosition& position, const SearchOptions& options) {
  if (table.Kind() == TableKind::Full) return SolveWith<true, Vector>(ViewOf<true>(table), position, options);
  return SolveWith<false, Vector>(ViewOf<false>(table), position, options);
}

}  // namespace

SearchResult Solve(const PatternTable& table, std::string_view layout, const SearchOptions& options) {
  const std::optional<PackedPosition> position = PositionOfLayout(layout);
  if (!position) return {SearchStatus::BadLayout, "", 0};
#if TQ_VECTOR_COPIES
  if (options.Instructions != InstructionSet::Baseline) return SolveOn<true>(table, *position, options);
#endif
  return SolveOn<false>(table, *position, options);
}

}  // namespace tq::optimal
