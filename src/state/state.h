// The game records: every store, aisle, item, loan and scalar the game keeps.
#pragma once

#include <array>
#include <string>

namespace zelvo {

constexpr int kStoreSlots = 6;  // slots 0..5; 1 is the player, 2..5 the computer stores
constexpr int kMaxAisles = 50;  // aisles 1..50 per store
constexpr int kMaxItems = 999;  // items 1..999
constexpr int kWheels = 5;      // demand wheels 0..4
constexpr int kMaxLoans = 99;   // loan records 1..99 (0 is scratch)
constexpr int kMaxItemLists = 99;
constexpr int kHistory = 999;  // speech history entries 1..999
constexpr int kCrowdDays = 30;
constexpr int kLabourPool = 100;  // the workers of the whole town
// Beyond these no game ever goes; a saved game that holds more is damaged. Any amount of
// money in dollars, cents and beyond:
constexpr double kMoneyLimit = 1e12;
// An hourly wage: the hiring chances grow with it and must stay a count of passes a day can run.
constexpr double kWageLimit = 10000;
// An item's base price: what a list may give and the demand wheels can carry.
constexpr double kPriceLimit = 1000000;

// The program version, spoken at start and written first in every save file.
inline constexpr const char* kGameVersion = "1.1";

struct Store {
    std::string ownername;
    std::string storename;
    int active = 1;
    double money = 0;
    int employees = 6;
    int wantedemployees = 6;
    double wage = 7.25;
    int aislecount = 4;
    double monthlybills = 800;
    int billsmonthslate = 0;
    std::array<int, kCrowdDays + 1> crowdhistory{};  // days 1..30
    int creditrating = 720;
    double unionwage = 0;
    int unionworkers = 0;
    std::string features;
    int customers = 0;
    double monthstartmoney = 0;
    double researchspent = 0;
    double billspaid = 0;
    double wagespaid = 0;
    double loanpaid = 0;
    double loaninterest = 0;
    double extrasspent = 0;
    double medicalspent = 0;
};

struct Aisle {
    int item = 0;  // 0 empty; -N under construction, about N days left
    int stock = 0;
    int capacity = 20;
    double price = 0;
    int sold = 0;
    int saledays = 0;
    double cost = 0;
};

struct Item {
    std::string name;
    std::string description;
    double baseprice = 0;
    std::array<int, kWheels> wheelsize{};
    std::array<double, kWheels> wheelcenter{};
    std::array<int, kWheels> wheelangle{};
    int warehousestock = 0;  // 90 for each item of a new catalogue
    double pricefactor = 1;
    int carried = 0;
};

struct StoreItem {
    int bought = 0;
    double boughtcost = 0;
    int sold = 0;
    double profit = 0;
    int stolen = 0;
    double stolenloss = 0;
};

struct Loan {
    std::string lender;
    double principal = 0;
    double interest = 0;
    int borrower = 0;
    double apr = 0;
    double payment = 0;
    int dueday = 0;
    int monthslate = 0;
    double totalpaid = 0;
};

struct ItemList {
    std::string name;
    int size = 0;
    int enabled = 0;
};

struct Game {
    std::string version = kGameVersion;
    int difficulty = 1;  // 1 Easy, 2 Normal, 3 Hard
    int playercount = 5;
    int humanslot = 1;
    int itemcount = 0;
    int loancount = 0;
    int debugmode = 0;
};

struct Calendar {
    int day = 1;
    int month = 1;
    int year = 1;  // game year 1..5
    int paycounter = 1;
};

struct Clock {
    int paused = 1;
    int ticktock = 0;
};

struct UI {
    int menu = 0;  // 0 until start-up has finished: no menu takes keys
    int menuposition = 0;
    int speechoutput = 0;  // 0 voice, 1 window title, 2 title and braille, 3 screen reader
    int sapirate = 2;
    int recordsessions = 0;  // 1: every session is written to the recordings folder
    int sapiready = 0;
    int jawsready = 0;
    int reviewindex = 0;
    std::array<std::string, kHistory + 1> speechhistory;  // 1 is the newest
    int selectedaisle = 0;
    int orderamount = 0;
    int buyamount = 0;
};

// The whole game. Big tables live here, so the object belongs on the heap.
struct GameState {
    std::array<Store, kStoreSlots> store;
    std::array<std::array<Aisle, kMaxAisles + 1>, kStoreSlots> aisle;
    std::array<Item, kMaxItems + 1> item;
    std::array<std::array<StoreItem, kMaxItems + 1>, kStoreSlots> storeitem;
    std::array<Loan, kMaxLoans + 1> loan;
    std::array<ItemList, kMaxItemLists + 1> itemlist;
    int listcount = 0;  // ItemList.listcount
    Game game;
    Calendar calendar;
    Clock clock;
    UI ui;

    Store& human() { return store[game.humanslot]; }
};

// The names the stores carry until the preferences file says otherwise.
void setdefaultnames(GameState& s);
// Opens the month's figures of every store: its cash as the opening balance, every
// statement sum and every item's figures back to 0.
void startmonthfigures(GameState& s);
// The default owner and store names of slot 1 to 5.
const char* defaultownername(int slot);
const char* defaultstorename(int slot);

}  // namespace zelvo
