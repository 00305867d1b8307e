// The built-in item list "Default": 63 items in ascending order of base price.
#include "setup/defaultitems.h"

namespace zelvo {

const std::array<DefaultItem, 63>& defaultitems() {
    static const std::array<DefaultItem, 63> items{{
        {"Audyssey magazine", 8,
         "Is Quillbeast secretly dating Megavolt?  Find the latest gossip in this issue!"},
        {"Cigarettes", 8,
         "Is your skin too smooth?  Been 30 minutes without a raspy cough?  Can people not smell "
         "you coming from 30 yards away?  This little box can solve all your troubles!"},
        {"AA batteries", 8, "It seems like almost everything needs a battery these days."},
        {"Billy Butt Flakes cereal", 10,
         "These chocolaty flakes taste great, but I've never cared for the commercial where the "
         "kid scrapes them off of his bare butt and into a bowl."},
        {"Nocturne Music CD", 10, "Several opera classics performed by Nocturne."},
        {"Grue's adventures", 10, "A choose your own adventure book."},
        {"Hexlet tiles", 12,
         "Each pack contains 6 randomly selected tiles.  Odds of receiving a rarity 5 tile are 1 "
         "in 1000."},
        {"Heroes card game", 15, "A dueling card game about robots and superheroes."},
        {"Tarvik action figure", 15, "It even has kung foo grip!"},
        {"Jumper cables", 18,
         "At the worst possible moment, your car's battery will decide to die.  That's life."},
        {"Remote control car", 20, "Forward, backward, it does it all!"},
        {"Bar bench", 20,
         "This wooden bench uses 'don't fall over' technology to provide your butt with a place to "
         "rest."},
        {"Wrench set", 20, "This 7 piece set comes with a lifetime warranty."},
        {"Daytona's investment guide", 20, "Turn the equity in your home into a pile of gold!"},
        {"Foldable lawn chair", 22,
         "Lightweight frame and cup holders on both arm rests.  Great for outdoor gatherings."},
        {"Gravelock the board game", 25,
         "Avoid zombies and collect ammo.  Fun for the whole family!"},
        {"Zorbits the board game", 25, "Warning, small parts.  Choking hazard for small children."},
        {"Bathroom scale", 30, "Getting fat?  Let scale-O-matic be the judge!"},
        {"Backpack", 30,
         "Great for carrying school books.  Why does it say Gravelock, field kit on it?"},
        {"Flea and tick medication", 36, "Keep your cat or dog safe from parasites."},
        {"Hockey stick", 40, "The world's number 1 way to hit a hockey puck."},
        {"Survive the wild backpack", 40, "Carry your survival gear or school supplies in style."},
        {"QORV Pre-order", 45, "Pre-order your copy of Quorvath, for X Box One!"},
        {"Towing chain", 45, "20 feet of chain with a load capacity of 5000 pounds."},
        {"Bathroom towels", 50, "A matching set of absorbant and fluffy towels."},
        {"Heavy duty tarp", 50, "19 by 29 feet, reflective, and able to survive the outdoors."},
        {"Fishing pole", 60,
         "The trick is to get a good running start, hurl the rod like a spear, and impale the fish "
         "before they saw you coming.  I've never been fishing."},
        {"Electric toothbrush", 60,
         "Manually brushing back and forth like a chump?  With this toothbrush you can sit back "
         "and let it do the work for you."},
        {"Super fort playset", 60, "Comes with a real working elevator!"},
        {"Super Jones brothers", 60, "A fun Mario clone for the Playstation."},
        {"Home security systemm", 70,
         "Wireless and able to call for help if it detects a broken window or open door."},
        {"Velbrook headphones", 75, "Excellent sound quality with noise canceling built in."},
        {"Running shoes", 80,
         "The commercial says with these shoes you can run faster, jump higher, and they even glow "
         "in the dark!"},
        {"Miter saw", 90,
         "It cuts any angle with the greatest of ease.  The guy on the box is giving 2 thumbs up, "
         "which is a good sign, because he still has both."},
        {"Resturant gift card", 100,
         "Come dine at the Lunar dome resturant, proudly serving the widest range of meats "
         "around!"},
        {"Small TV", 100, "Not the biggest or fanciest, but it works."},
        {"Kitchen sink", 100, "JimmyCo has produced fine quality sinks for over 20 years."},
        {"Butt throne", 130,
         "This ergonomically designed toilet will make you feel right at home."},
        {"Chess board", 140, "The Rocky finish and marble pieces bring class to any room."},
        {"Office chair", 150, "It swivels, it rolls, and it has arm rests."},
        {"Steel truck ramp", 150, "Ramps connect to your truck's rear hatch.  1 ton capacity."},
        {"Table saw", 200, "For the guy who has to make everything himself."},
        {"Sports watch", 260, "Water resistant up to 30 feet."},
        {"Steel safe", 280,
         "Protect your valuables in this steel box, opened only with the correct key combination.  "
         "No, the code is not 1, 2, 3, 4!"},
        {"Area rug", 350, "Add a level of sophistication to any room."},
        {"HP Econotop", 550, "An affordable laptop, great for work or school."},
        {"Plasma TV", 600, "Great for watching the game with friends."},
        {"Oak dresser", 600,
         "Lovingly hand crafted, by a big factory machine.  You put it together yourself when you "
         "get home."},
        {"Aluminum greenhouse", 700,
         "Extruded aluminum frame, air vents, and enough space to grow your vegetables all year "
         "long."},
        {"Gas generator", 900, "When the power goes out, what do you plan to do?"},
        {"Buzztech electric oven", 900, "The only oven that watches you while you sleep."},
        {"Queen mattress", 900,
         "This comfy pillow top mattress will have you sleeping like a baby."},
        {"Washing machine", 900, "Comes in either white or black."},
        {"No-Kia-a phone", 1000,
         "Built like a tank, if a tank could let you call your grandmother."},
        {"King mattress", 1100,
         "This comfy pillow top mattress gives you extra room for you and your partner."},
        {"Apocalypse pack", 1300,
         "A survivalist's dream.  Cans and sealed pouches contain enough food to keep a man alive "
         "for 2 years, should zombies ever rise up like in the movies."},
        {"I-comp", 1400,
         "The same power of the cheaper Econotop, but priced higher to be a status symbol."},
        {"Piano", 1500, "Standard upright piano."},
        {"Treadmill", 2000,
         "Motorized incline, 15 speeds, and safety controls keep you safe when running."},
        {"Ruby necklace", 2000, "A gold chain supporting a ruby jewel."},
        {"Dell Badgerio", 2000,
         "A powerful gaming computer, with all the speed and memory you could want."},
        {"Theater TV", 2200, "The true theater experience right in your own home!"},
        {"Diamond ring", 2500, "For that special someone."},
    }};
    return items;
}

}  // namespace zelvo
